#include "testwordbase.h"

#include "dict/sectionwriter.h"
#include "text/cp1251.h"
#include "wordbase/container.h"

#include <QFile>

namespace {

QByteArray cp1251(const QString &text)
{
    qsizetype bad = -1;
    const QByteArray bytes = toCp1251(text, &bad);
    Q_ASSERT_X(bad < 0, "TestWordBase", "text outside Windows-1251");
    return bytes;
}

void appendCounted(QByteArray &out, const QByteArray &text)
{
    appendInt32(out, int32_t(text.size()));
    out.append(text);
}

QByteArray lines(const QStringList &rows)
{
    QByteArray out;
    for (const QString &row : rows)
        out += cp1251(row) + "\r\n";
    return out;
}

} // namespace

QByteArray TestWordBase::lineBytes(const QString &line)
{
    QByteArray out;
    out.append(line.startsWith(QLatin1Char('>')) ? '\x01' : '\x00');
    const QString rest = line.mid(1);
    for (qsizetype i = 0; i < rest.size(); ++i) {
        if (rest.at(i) == QLatin1Char('{')) {
            const qsizetype colon = rest.indexOf(QLatin1Char(':'), i);
            const qsizetype close = rest.indexOf(QLatin1Char('}'), colon);
            out.append('~');
            appendInt32(out, rest.mid(i + 1, colon - i - 1).toInt());
            out.append(cp1251(rest.mid(colon + 1, close - colon - 1)));
            out.append('~');
            i = close;
        } else {
            out.append(cp1251(rest.mid(i, 1)));
        }
    }
    return out;
}

int TestWordBase::addDescription(const QStringList &lines)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        bytes += lineBytes(lines.at(i));
        bytes.append(i + 1 < lines.size() ? '\n' : '\0');
    }
    if (lines.isEmpty())
        bytes = QByteArray("\0\0", 2);
    m_descriptions.append(bytes);
    return int(m_descriptions.size() - 1);
}

int TestWordBase::addWord(const QString &caption, int description)
{
    m_words.append({description, cp1251(caption)});
    return int(m_words.size() - 1);
}

QByteArray TestWordBase::payload() const
{
    QByteArray out;
    appendInt32(out, version);
    appendInt32(out, edition);

    appendInt32(out, int32_t(m_descriptions.size()));
    for (const QByteArray &d : m_descriptions)
        out += d;
    appendInt32(out, int32_t(m_words.size()));
    for (const auto &[description, caption] : m_words) {
        appendInt32(out, description);
        out += caption;
        out.append('\0');
    }

    for (const QString *guide : {&smileys, &acronyms, &users, &extensions})
        appendCounted(out, guide->isEmpty() ? QByteArray() : lines(guide->split(QLatin1Char('\n'))));
    appendInt32(out, int32_t(anecdotes.size()));
    for (const QString &a : anecdotes)
        appendCounted(out, cp1251(a));
    appendInt32(out, int32_t(banners.size()));
    for (const Banner &b : banners) {
        appendInt32(out, int32_t(b.gif.size()));
        out += b.gif;
        appendCounted(out, cp1251(b.hint));
        appendCounted(out, cp1251(b.link));
    }
    appendCounted(out, lines(refused));
    return out;
}

QByteArray TestWordBase::file() const { return container::sealPayload(payload()); }

bool TestWordBase::write(const QString &path) const
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(file()) >= 0;
}
