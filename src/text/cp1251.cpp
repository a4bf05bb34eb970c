#include "text/cp1251.h"

#include <QHash>
#include <QStringDecoder>

#include <array>

namespace {

// The upper half of Windows-1251 as Unicode, taken once from Qt's codec so the
// conversion is a plain table lookup in both directions.
struct Cp1251Table {
    std::array<char16_t, 256> toUnicode {};
    Cp1251Table()
    {
        QStringDecoder decoder("windows-1251");
        Q_ASSERT(decoder.isValid());
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QString s = decoder.decode(QByteArrayView(&byte, 1));
            toUnicode[b] = s.size() == 1 ? s.at(0).unicode() : char16_t(0xFFFD);
        }
    }
};

const Cp1251Table &table()
{
    static const Cp1251Table t;
    return t;
}

} // namespace

QString fromCp1251(QByteArrayView bytes)
{
    const auto &map = table().toUnicode;
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *dst = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        dst[i] = QChar(map[uchar(bytes[i])]);
    return out;
}

QByteArray toCp1251(const QString &text, qsizetype *badIndex)
{
    static const QHash<char16_t, char> reverse = [] {
        QHash<char16_t, char> r;
        const auto &map = table().toUnicode;
        for (int b = 0; b < 256; ++b)
            if (map[b] != 0xFFFD)
                r.insert(map[b], char(b));
        return r;
    }();
    QByteArray out;
    out.reserve(text.size());
    if (badIndex)
        *badIndex = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto it = reverse.constFind(text.at(i).unicode());
        if (it == reverse.cend()) {
            if (badIndex) {
                *badIndex = i;
                return out;
            }
            out.append('?');
            continue;
        }
        out.append(*it);
    }
    return out;
}
