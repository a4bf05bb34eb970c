#pragma once

#include <QByteArray>

#include <array>
#include <cstdint>
#include <vector>

class TDictionary;

// One banner record as stored.
struct RawBanner {
    QByteArray image;
    QByteArray hint; // counted text, every stored byte
    QByteArray link; // counted text, every stored byte
};

// The payload of a word base field by field, every byte as stored. The loader
// cuts counted texts at a zero byte and drops what follows the last field; this
// keeps all of it, so that a payload splits and assembles back unchanged.
struct RawWordBase {
    enum Guide { Smileys, Acronyms, Users, Extensions };

    int32_t edition = 0;
    QByteArray dictionary; // the whole dictionary section
    std::array<QByteArray, 4> guides;
    std::vector<QByteArray> anecdotes;
    std::vector<RawBanner> banners;
    QByteArray refused;
    QByteArray trailing; // bytes after the refused words
};

// The plain payload of the fields (format version 1).
QByteArray assemblePayload(const RawWordBase &base);

// Splits a plain payload into its fields and reads the dictionary section into
// `dictionary` on the way. Throws LoadError on a payload that breaks the format;
// it does not decode banner images (the loader does).
RawWordBase splitPayload(const QByteArray &payload, TDictionary &dictionary);
