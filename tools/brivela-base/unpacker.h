#pragma once

#include <QByteArray>
#include <QString>

#include <map>

// Turning a word base back into its source folder (docs/wordbase-source.md), so
// that building the folder gives the same file byte for byte.

// Source files by path relative to the folder, each with its content.
using SourceFiles = std::map<QString, QByteArray>;

// The source files of a word base file. Throws LoadError when the file does not
// load as the program loads it.
SourceFiles unpackWordBase(const QByteArray &file);

// Unpacks a word base file into the folder `dir`, which must not exist or must
// be empty. The folder is written beside `dir` first and is moved into place
// only after it has been built again and gave the same payload. Throws
// LoadError for a file that does not load, SourceError for anything else.
void unpackToFolder(const QByteArray &file, const QString &dir);
