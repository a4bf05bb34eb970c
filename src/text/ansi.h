#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Case mapping and comparison of Windows-1251 text by the rules of the user's
// locale (Russian when the system locale is C/POSIX, which has no collation of
// Cyrillic). Case maps byte for byte; comparison is case-sensitive.

QByteArray AnsiLowerCase(QByteArrayView text);
QByteArray AnsiUpperCase(QByteArrayView text);

// Negative, zero or positive, like a three-way comparison.
int AnsiCompareStr(QByteArrayView a, QByteArrayView b);

// Case-insensitive comparison in the same locale.
int AnsiCompareText(QByteArrayView a, QByteArrayView b);
