#pragma once

// Builds word base payloads and files byte by byte for tests, so each fixture
// shows exactly the bytes it is about.

#include "dict/sectionwriter.h"
#include "wordbase/container.h"

#include <QByteArray>
#include <QList>

namespace testbase {

// The smallest GIF: one transparent pixel.
inline QByteArray tinyGif()
{
    static const unsigned char bytes[]
        = {'G',  'I',  'F',  '8',  '9',  'a',  0x01, 0x00, 0x01, 0x00, 0x80, 0x00, 0x00, 0x00, 0x00,
           0x00, 0xff, 0xff, 0xff, 0x21, 0xf9, 0x04, 0x01, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00,
           0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3b};
    return QByteArray(reinterpret_cast<const char *>(bytes), sizeof bytes);
}

// The one-pixel GIF with its screen and its frame declaring width x height.
inline QByteArray gifOfSize(int width, int height)
{
    QByteArray gif = tinyGif();
    for (int at : {6, 32}) { // logical screen, then the image descriptor
        gif[at] = char(width & 0xff), gif[at + 1] = char(width >> 8);
        gif[at + 2] = char(height & 0xff), gif[at + 3] = char(height >> 8);
    }
    return gif;
}

inline QByteArray int32(int32_t v)
{
    QByteArray out;
    appendInt32(out, v);
    return out;
}

inline QByteArray counted(const QByteArray &text) { return int32(int32_t(text.size())) + text; }

// A dictionary section from raw description bytes (each already ending in NUL)
// and headwords (description index, caption).
inline QByteArray section(const QList<QByteArray> &descriptions, const QList<QPair<int32_t, QByteArray>> &words)
{
    QByteArray out = int32(int32_t(descriptions.size()));
    for (const QByteArray &d : descriptions)
        out += d;
    out += int32(int32_t(words.size()));
    for (const auto &w : words)
        out += int32(w.first) + w.second + QByteArray(1, '\0');
    return out;
}

struct Banner {
    QByteArray image = tinyGif();
    QByteArray hint;
    QByteArray link;
};

// A whole payload; every field can be set, the defaults make a small valid base.
struct Payload {
    int32_t version = 1;
    int32_t edition = 7;
    QByteArray dictionary = section({QByteArray("\x01"
                                                "abc\0",
                                                5)},
                                    {{0, "\xC0\xE1\xE2"}});
    QByteArray smileys = ":-)\tsmile";
    QByteArray acronyms;
    QByteArray users;
    QByteArray extensions;
    QList<QByteArray> anecdotes = {"one", "two"};
    QList<Banner> banners = {Banner {tinyGif(), "hint", "https://brivela.example/"}};
    QByteArray refused = "bad";

    QByteArray bytes() const
    {
        QByteArray out = int32(version) + int32(edition) + dictionary + counted(smileys) + counted(acronyms)
                         + counted(users) + counted(extensions) + int32(int32_t(anecdotes.size()));
        for (const QByteArray &a : anecdotes)
            out += counted(a);
        out += int32(int32_t(banners.size()));
        for (const Banner &b : banners)
            out += counted(b.image) + counted(b.hint) + counted(b.link);
        return out + counted(refused);
    }

    QByteArray file() const { return container::sealPayload(bytes()); }
};

} // namespace testbase
