#include "forms/guidetable.h"

#include "text/ansi.h"

namespace {

// Cuts text at its first TAB; without one the whole text is the head and the
// tail is empty.
std::pair<QByteArray, QByteArray> cutAtTab(QByteArrayView text)
{
    const qsizetype tab = text.indexOf('\t');
    if (tab < 0)
        return {text.toByteArray(), QByteArray()};
    return {text.first(tab).toByteArray(), text.sliced(tab + 1).toByteArray()};
}

} // namespace

QList<QByteArray> splitTwoColumns(QByteArrayView line)
{
    auto [first, rest] = cutAtTab(line);
    return {first, rest};
}

QList<QByteArray> splitThreeColumns(QByteArrayView line)
{
    auto [first, rest] = cutAtTab(line);
    auto [second, third] = cutAtTab(rest);
    return {first, second, third};
}

int guideSearchRow(QByteArrayView typed, const QList<QByteArray> &firstColumn)
{
    const QByteArray key = AnsiLowerCase(typed);
    if (key.isEmpty())
        return -1;
    for (qsizetype row = 0; row < firstColumn.size(); ++row) {
        if (AnsiCompareStr(key, AnsiLowerCase(firstColumn.at(row))) <= 0)
            return int(row);
    }
    return 0;
}
