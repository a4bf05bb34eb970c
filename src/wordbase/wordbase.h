#pragma once

#include "dict/dictionary.h"
#include "text/stringlist.h"
#include "wordbase/banner.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <vector>

// Everything a word base fills: the main window holds these for the whole run.
struct WordBaseFields {
    TDictionary FDictionary;
    StringList FSmileys;
    StringList FAcronyms;
    StringList FUsers;
    StringList FExtensions;
    int32_t FBannerCount = 0;
    std::vector<TBanner> FBanners;
    int32_t FBannerIndex = 0;
    std::vector<QByteArray> FAnecdotes;
    int32_t FAnecdoteCount = 0;
    int32_t FEdition = 0;
    QList<int32_t> FJokePool;
    StringList FRefusedWords;
};

// Reports each step of the load as it starts.
using LoadProgress = std::function<void(const QString &text)>;

// The file name of the word base beside the executable.
inline constexpr char WordBaseFileName[] = "brivela.dat";

// A word base is a few megabytes at most (8 MB hold some 30,000 headwords; the
// bundled one is 320 KB). A larger file is refused before it is read: the model
// takes up to some 80 bytes of memory per byte of a hostile file, so this also
// bounds what one can cost (about 600 MB). The authoring tool holds its sources
// and its output to the same limit.
inline constexpr qint64 MaxWordBaseSize = 8LL * 1024 * 1024;

// The bytes of the file at `path`, reporting the opening and reading steps.
// Throws LoadError "Cannot open file <path>" when it cannot be read, and the
// too-large message beyond MaxWordBaseSize (a device is read only up to it).
QByteArray readWordBaseFile(const QString &path, const LoadProgress &progress = {});

// Opens, deciphers and checks the word base at `path` and reads every section
// into `fields`, reporting each step's progress text. Throws LoadError with the
// message to show on any failure; the fields then hold what was read before it.
void readWordBase(const QString &path, WordBaseFields &fields, const LoadProgress &progress = {});

// The same load over a whole file already in memory: decipher, MAC, payload.
void readWordBaseBytes(QByteArray file, WordBaseFields &fields, const LoadProgress &progress = {});

// Reads a deciphered payload (format version onwards) into `fields`.
void readPayload(const QByteArray &payload, WordBaseFields &fields, const LoadProgress &progress = {});

// The status text after a successful load, e.g. "3 edition, 1204 words, 57 anecdotes".
QString loadSummary(const WordBaseFields &fields);
