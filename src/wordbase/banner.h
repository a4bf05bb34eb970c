#pragma once

#include <QByteArray>

class ByteReader;

// One advertising banner: an animated GIF, the hint shown over it and the link
// opened when it is clicked.
struct TBanner {
    QByteArray Image; // the GIF file's bytes, checked to decode when read
    QByteArray Hint; // Windows-1251
    QByteArray Link; // Windows-1251

    // Reads one banner record: image length, image bytes, hint, link. Throws
    // LoadError with "Stream read error" for an image longer than the data left,
    // and with the decoder's message for an image that is not a GIF.
    void LoadFromStream(ByteReader &stream);
};

// Checks that bytes hold a GIF that decodes; returns the decoder's message
// when they do not, an empty string when they do.
QString gifError(const QByteArray &bytes);
