#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <vector>

class TDictionary;
class TDictWord;

// The order in which the search box expects a letter's headwords, and the
// search itself.

// A caption as the search box compares it: without '|', lower-cased. Link
// targets of the source are matched by the same key.
QByteArray searchKey(QByteArrayView caption);

// Whether caption a may stand before caption b in one letter bucket.
bool inSearchOrder(QByteArrayView a, QByteArrayView b);

// The word ids the builder gives headwords listed in source order: by letter
// bucket, then in search order, equal keys in source order. Result[i] is the
// word id of the i-th caption.
std::vector<int32_t> defaultWordIds(const std::vector<QByteArray> &captions);

// What the search box selects for a typed Windows-1251 text: the first headword
// of the text's bucket whose key does not sort before the lower-cased text,
// else the bucket's first headword. Null when the text is empty or its letter
// has no bucket.
const TDictWord *searchHeadword(const TDictionary &dictionary, QByteArrayView typed);
