#pragma once

#include "rawwordbase.h"
#include "sourcetext.h"

#include <QString>

#include <vector>

// Compiling a word base source folder (docs/wordbase-source.md) into a word base.

// Reads and checks the whole folder. Throws SourceError, naming the file, line
// and column, at the first fault.
RawWordBase compileSource(const QString &dir);

// Compiles `dir` and writes the enciphered word base to `outFile`. The file is
// written to a temporary file and renamed over `outFile` only when everything
// succeeded, so a failed build leaves `outFile` as it was. Returns the plain
// payload. Throws SourceError (line 0 for a file that cannot be written).
QByteArray buildWordBase(const QString &dir, const QString &outFile);

// The pieces that unpack also uses to make sure a text reads back unchanged.

// Rows of a guide or of the refused words, taken literally, each followed by CR LF.
QByteArray compileRows(const QString &file, const SourceLines &lines);
// The anecdotes of anecdotes.txt.
std::vector<QByteArray> compileAnecdotes(const QString &file, const SourceLines &lines);
