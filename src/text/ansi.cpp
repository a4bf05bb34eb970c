#include "text/ansi.h"

#include "text/cp1251.h"

#include <QCollator>
#include <QLocale>

#include <array>

namespace {

using CaseTable = std::array<char, 256>;

// Maps each byte through Unicode; a byte whose other case has no single
// Windows-1251 byte (or no other case at all) maps to itself.
CaseTable makeCaseTable(bool upper)
{
    CaseTable t {};
    for (int b = 0; b < 256; ++b) {
        const char byte = char(b);
        const QString u = fromCp1251(QByteArrayView(&byte, 1));
        const QString mapped = upper ? u.toUpper() : u.toLower();
        qsizetype bad = -1;
        const QByteArray back = toCp1251(mapped, &bad);
        t[b] = (bad < 0 && back.size() == 1) ? back.at(0) : byte;
    }
    return t;
}

QByteArray mapCase(QByteArrayView text, const CaseTable &t)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = t[uchar(text[i])];
    return out;
}

QLocale collationLocale()
{
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C)
        return QLocale(QLocale::Russian, QLocale::Russia);
    return system;
}

QCollator &collator(Qt::CaseSensitivity cs)
{
    static QCollator sensitive = [] {
        QCollator c(collationLocale());
        c.setCaseSensitivity(Qt::CaseSensitive);
        return c;
    }();
    static QCollator insensitive = [] {
        QCollator c(collationLocale());
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return cs == Qt::CaseSensitive ? sensitive : insensitive;
}

} // namespace

QByteArray AnsiLowerCase(QByteArrayView text)
{
    static const CaseTable lower = makeCaseTable(false);
    return mapCase(text, lower);
}

QByteArray AnsiUpperCase(QByteArrayView text)
{
    static const CaseTable upper = makeCaseTable(true);
    return mapCase(text, upper);
}

int AnsiCompareStr(QByteArrayView a, QByteArrayView b)
{
    return collator(Qt::CaseSensitive).compare(fromCp1251(a), fromCp1251(b));
}

int AnsiCompareText(QByteArrayView a, QByteArrayView b)
{
    return collator(Qt::CaseInsensitive).compare(fromCp1251(a), fromCp1251(b));
}
