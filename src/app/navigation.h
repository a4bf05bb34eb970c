#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <optional>

class StringList;
class TDictUnit;
class TDictionary;

// How the search box and the links find headwords.
namespace navigation {

// The row the search box selects in a bucket for lower-cased text: the first
// headword whose caption, without stress marks and lower-cased, does not sort
// before the text; the first headword when none qualifies.
int searchRow(const TDictUnit &unit, QByteArrayView lowerText);

struct WordPlace {
    uint8_t letter;
    int row;
};

// Where the headword with this word id stands, scanning the buckets in letter
// order; nothing for an id no headword has.
std::optional<WordPlace> findWord(const TDictionary &dictionary, int32_t wordId);

// Whether some leading part of text (one character or more) is a refused word.
bool hasRefusedPrefix(const StringList &refused, QByteArrayView text);

// The search box's text as Windows-1251; a character it cannot hold becomes "?".
QByteArray toSearchBytes(const QString &text);

} // namespace navigation
