#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Windows-1251 is the encoding of every text in the word base. The model keeps
// the bytes; these convert at the edges (widgets, terminal, source files).

QString fromCp1251(QByteArrayView bytes);

// Encodes text as Windows-1251. When a character has no Windows-1251 form,
// *badIndex (if given) receives the index of the first such character in
// `text` and the result is incomplete; otherwise *badIndex is -1.
QByteArray toCp1251(const QString &text, qsizetype *badIndex = nullptr);
