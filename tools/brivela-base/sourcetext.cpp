#include "sourcetext.h"

#include "text/cp1251.h"
#include "wordbase/wordbase.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace {

constexpr char16_t kReplacement = 0xFFFD;
constexpr char16_t kByteOrderMark = 0xFEFF;

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

// Bytes that an editor would not show as themselves; unpack writes them as escapes.
bool isHidden(uint8_t b)
{
    if (b < 0x20 || b == 0x7F)
        return true;
    // 0x98 is unassigned in Windows-1251 and decodes to a C1 control character.
    const QString u = fromCp1251(QByteArrayView(reinterpret_cast<const char *>(&b), 1));
    return u.at(0).unicode() >= 0x80 && u.at(0).unicode() < 0xA0;
}

} // namespace

SourceLines splitSourceLines(const QByteArray &content, const QString &file)
{
    SourceLines lines;
    qsizetype start = 0;
    int number = 0;
    while (start < content.size()) {
        qsizetype end = content.indexOf('\n', start);
        const qsizetype next = end < 0 ? content.size() : end + 1;
        if (end < 0)
            end = content.size();
        QByteArrayView bytes(content.constData() + start, end - start);
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        ++number;
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = decoder.decode(bytes);
        if (decoder.hasError()) {
            const qsizetype bad = text.indexOf(QChar(kReplacement));
            throw SourceError(file, number, columnAt(text, bad < 0 ? text.size() : bad),
                              QStringLiteral("not valid UTF-8"));
        }
        if (number == 1 && text.startsWith(QChar(kByteOrderMark)))
            text.remove(0, 1);
        lines.append({number, std::move(text)});
        start = next;
    }
    return lines;
}

QString tooLargeForAWordBase()
{
    return QStringLiteral("larger than a word base may be (%1 MB)").arg(MaxWordBaseSize / (1024 * 1024));
}

SourceLines readSourceFile(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile())
        throw SourceError(path, 0, 0, QStringLiteral("file is missing"));
    if (!file.open(QIODevice::ReadOnly))
        throw SourceError(path, 0, 0, QStringLiteral("cannot read file: %1").arg(file.errorString()));
    // Nothing larger fits in a word base; refused before it is read.
    if (file.size() > MaxWordBaseSize)
        throw SourceError(path, 0, 0, tooLargeForAWordBase());
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw SourceError(path, 0, 0, QStringLiteral("cannot read file: %1").arg(file.errorString()));
    return splitSourceLines(content, path);
}

QByteArray joinSourceLines(const QStringList &lines)
{
    QByteArray out;
    for (const QString &line : lines) {
        out += line.toUtf8();
        out += '\n';
    }
    return out;
}

int columnAt(QStringView text, qsizetype index)
{
    int column = 1;
    for (qsizetype i = 0; i < index && i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        ++column;
    }
    return column;
}

LineScanner::LineScanner(const QString &file, const SourceLine &line, qsizetype start)
    : m_file(file), m_line(line), m_pos(start)
{
}

void LineScanner::failAt(qsizetype index, const QString &message) const
{
    throw SourceError(m_file, m_line.number, columnAt(m_line.text, index), message);
}

LineScanner::Char LineScanner::encode(qsizetype at)
{
    const QString &text = m_line.text;
    qsizetype length = 1;
    if (text.at(at).isHighSurrogate() && at + 1 < text.size() && text.at(at + 1).isLowSurrogate())
        length = 2;
    const QString character = text.mid(at, length);
    qsizetype bad = -1;
    const QByteArray byte = toCp1251(character, &bad);
    if (bad >= 0 || byte.size() != 1) {
        const char32_t code
            = length == 2 ? QChar::surrogateToUcs4(text.at(at), text.at(at + 1)) : text.at(at).unicode();
        failAt(at, QStringLiteral("character \u00AB%1\u00BB (U+%2) cannot be stored in Windows-1251")
                       .arg(character, QString::number(uint(code), 16).toUpper().rightJustified(4, u'0')));
    }
    m_pos = at + length;
    return {uint8_t(byte.at(0)), false, at};
}

LineScanner::Char LineScanner::nextLiteral() { return encode(m_pos); }

LineScanner::Char LineScanner::next()
{
    const QString &text = m_line.text;
    const qsizetype at = m_pos;
    if (text.at(at) != u'\\')
        return encode(at);
    if (at + 1 >= text.size())
        failAt(at, QStringLiteral("a backslash at the end of the line: write \\\\ for a backslash"));
    const char16_t e = text.at(at + 1).unicode();
    uint8_t byte = 0;
    qsizetype length = 2;
    switch (e) {
    case '\\':
    case '[':
    case ']':
    case '(':
    case ')':
    case '#':
        byte = uint8_t(e);
        break;
    case 't':
        byte = '\t';
        break;
    case 's':
        byte = ' ';
        break;
    case 'r':
        byte = '\r';
        break;
    case 'n':
        byte = '\n';
        break;
    case '0':
        byte = 0;
        break;
    case 'x': {
        const int hi = at + 2 < text.size() ? hexValue(text.at(at + 2)) : -1;
        const int lo = at + 3 < text.size() ? hexValue(text.at(at + 3)) : -1;
        if (hi < 0 || lo < 0)
            failAt(at, QStringLiteral("\\x needs two hexadecimal digits"));
        byte = uint8_t(hi * 16 + lo);
        length = 4;
        break;
    }
    default:
        failAt(at, QStringLiteral("unknown escape \\%1").arg(text.at(at + 1)));
    }
    m_pos = at + length;
    return {byte, true, at};
}

QByteArray readEscaped(const QString &file, const SourceLine &line, qsizetype start)
{
    LineScanner scanner(file, line, start);
    QByteArray out;
    while (!scanner.atEnd())
        out.append(char(scanner.next().byte));
    return out;
}

QByteArray readLiteral(const QString &file, const SourceLine &line, qsizetype start)
{
    LineScanner scanner(file, line, start);
    QByteArray out;
    while (!scanner.atEnd())
        out.append(char(scanner.nextLiteral().byte));
    return out;
}

QString escapeBytes(QByteArrayView bytes, QByteArrayView specials)
{
    QString out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = uint8_t(ch);
        switch (b) {
        case '\\':
            out += u"\\\\";
            continue;
        case '\t':
            out += u"\\t";
            continue;
        case '\r':
            out += u"\\r";
            continue;
        case '\n':
            out += u"\\n";
            continue;
        case 0:
            out += u"\\0";
            continue;
        default:
            break;
        }
        if (specials.contains(ch)) {
            out += u'\\';
            out += QChar(b);
        } else if (isHidden(b)) {
            out += QStringLiteral("\\x") + QString::number(b, 16).toUpper().rightJustified(2, u'0');
        } else {
            out += fromCp1251(QByteArrayView(&ch, 1));
        }
    }
    return out;
}

bool hasHiddenBytes(QByteArrayView bytes)
{
    return std::any_of(bytes.begin(), bytes.end(), [](char c) { return c != '\t' && isHidden(uint8_t(c)); });
}

QString protectEdgeBlanks(QString escaped, bool leading)
{
    auto blank = [](QChar c) { return c == u' ' || c == u'\t'; };
    auto escape = [](QChar c) { return c == u' ' ? QStringLiteral("\\s") : QStringLiteral("\\t"); };
    qsizetype end = escaped.size();
    QString tail;
    while (end > 0 && blank(escaped.at(end - 1)))
        tail.prepend(escape(escaped.at(--end)));
    escaped.truncate(end);
    QString head;
    qsizetype begin = 0;
    while (leading && begin < escaped.size() && blank(escaped.at(begin)))
        head += escape(escaped.at(begin++));
    return head + escaped.mid(begin) + tail;
}

QString quoted(QByteArrayView bytes) { return u'"' + escapeBytes(bytes) + u'"'; }
