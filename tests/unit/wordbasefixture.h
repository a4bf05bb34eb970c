#pragma once

// Hand-made word bases and source folders for the authoring tests. Payloads are
// written byte by byte here, independently of the code under test.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <utility>
#include <vector>

namespace fixture {

inline QByteArray int32le(int32_t value)
{
    const auto v = uint32_t(value);
    const char bytes[4] = {char(v & 0xff), char((v >> 8) & 0xff), char((v >> 16) & 0xff), char(v >> 24)};
    return QByteArray(bytes, 4);
}

inline QByteArray counted(const QByteArray &text) { return int32le(int32_t(text.size())) + text; }

// A link element: '~', the word id, the text, '~'.
inline QByteArray linkTo(int32_t wordId, const QByteArray &text) { return '~' + int32le(wordId) + text + '~'; }

// A headword record: description index, caption, NUL.
inline QByteArray headword(int32_t descIndex, const QByteArray &caption)
{
    return int32le(descIndex) + caption + QByteArray(1, '\0');
}

// A dictionary section from whole description byte strings (each ending in NUL)
// and headword records.
inline QByteArray section(std::initializer_list<QByteArray> descriptions, std::initializer_list<QByteArray> headwords)
{
    QByteArray out = int32le(int32_t(descriptions.size()));
    for (const QByteArray &d : descriptions)
        out += d;
    out += int32le(int32_t(headwords.size()));
    for (const QByteArray &h : headwords)
        out += h;
    return out;
}

// 1 x 1 GIF.
inline QByteArray tinyGif()
{
    static const unsigned char bytes[]
        = {'G',  'I',  'F',  '8',  '9',  'a',  0x01, 0x00, 0x01, 0x00, 0x80, 0x00, 0x00, 0xff, 0xff,
           0xff, 0x00, 0x00, 0x00, 0x21, 0xf9, 0x04, 0x01, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00,
           0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3b};
    return QByteArray(reinterpret_cast<const char *>(bytes), sizeof bytes);
}

struct Banner {
    QByteArray image = tinyGif();
    QByteArray hint;
    QByteArray link;
};

// A whole payload, field by field; every counted text is given as stored.
struct Payload {
    int32_t version = 1;
    int32_t edition = 1;
    QByteArray dictionary
        = section({QByteArray("\x01\xD1\xEB\xEE\xE2\xEE", 6) + '\0'}, {headword(0, "\xD1|\xEB\xEE\xE2\xEE")});
    std::array<QByteArray, 4> guides = {":-)\t\xD3\xEB\xFB\xE1\xEA\xE0\r\n", "AFK\tAway\r\n",
                                        "\xD7\xE0\xE9\xED\xE8\xEA\r\n", "7z\t\xC0\xF0\xF5\xE8\xE2\t7-Zip\r\n"};
    std::vector<QByteArray> anecdotes = {"\xCE\xE4\xED\xE0\xE6\xE4\xFB\r\n\xE0\xE4\xEC\xE8\xED"};
    std::vector<Banner> banners = {Banner {tinyGif(), "hint", "https://brivela.example/"}};
    QByteArray refused = "\xEF\xF0\xE5\xE2\xE5\xE4\r\n";
    QByteArray trailing;

    QByteArray bytes() const
    {
        QByteArray out = int32le(version) + int32le(edition) + dictionary;
        for (const QByteArray &g : guides)
            out += counted(g);
        out += int32le(int32_t(anecdotes.size()));
        for (const QByteArray &a : anecdotes)
            out += counted(a);
        out += int32le(int32_t(banners.size()));
        for (const Banner &b : banners)
            out += counted(b.image) + counted(b.hint) + counted(b.link);
        return out + counted(refused) + trailing;
    }
};

using Files = std::map<QString, QByteArray>;

// Writes files (path relative to dir → UTF-8 content), creating folders.
inline bool writeFiles(const QString &dir, const Files &files)
{
    for (const auto &[relative, content] : files) {
        const QString path = QDir(dir).filePath(relative);
        if (!QDir().mkpath(QFileInfo(path).absolutePath()))
            return false;
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
            return false;
    }
    return true;
}

inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The smallest source folder that builds: no cards, no anecdotes, no banners.
inline Files minimalSource()
{
    return {{"wordbase.txt", "edition = 1\n"},
            {"guides/smileys.txt", ""},
            {"guides/acronyms.txt", ""},
            {"guides/users.txt", ""},
            {"guides/extensions.txt", ""},
            {"anecdotes.txt", ""},
            {"banners.txt", ""},
            {"refused.txt", ""}};
}

} // namespace fixture
