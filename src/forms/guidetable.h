#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// Rows of the guide tables: a TAB (0x09) separates the cells of a line. Lines
// are taken as they are, without trimming.

// Column 0 is the text before the first TAB, column 1 everything behind it
// (further TABs included). A line without a TAB fills column 0 alone.
QList<QByteArray> splitTwoColumns(QByteArrayView line);

// As splitTwoColumns, then the rest is split once more at its first TAB into
// columns 1 and 2; column 2 keeps any further TABs.
QList<QByteArray> splitThreeColumns(QByteArrayView line);

// The row that the search box jumps to: the first row whose column 0 does not
// sort before the typed text, both lower-cased in the user's locale; row 0
// when every row sorts before it. -1 for an empty text, which moves nothing.
// The rows are assumed sorted by column 0.
int guideSearchRow(QByteArrayView typed, const QList<QByteArray> &firstColumn);
