#pragma once

// Malformed word bases, each named by what is broken in it and paired with the
// message its load must end in. Every one passes the MAC unless the MAC is what
// is broken: the key is public, so a hostile file is sealed like a good one.
// The end-to-end tests load each of them, and the fuzz corpus starts from them.

#include "dict/loaderror.h"
#include "payloadbuilder.h"

#include <QList>
#include <QString>

namespace testbase {

struct BadWordBase {
    QString name; // the fixture's file name
    QByteArray file;
    QString message;
};

// A GIF header that declares a 30000 x 30000 picture: decoding it would need
// gigabytes, so the decoder refuses it under its allocation limit.
inline QByteArray hugeGif() { return gifOfSize(30000, 30000); }

// The message of the GIF decoder for an image it cannot read.
inline QString gifDecoderMessage() { return QStringLiteral("Unable to read image data"); }

// A payload in which every field is present and not empty, kept as its fields
// so that one of them can be cut short or given another count.
class FieldPayload
{
public:
    FieldPayload()
    {
        add("version", int32(1));
        add("edition", int32(3));
        add("description-count", int32(2));
        add("descriptions", QByteArray("\x01"
                                       "ab ~\x01\0\0\0link~\tc\n\0second\0"
                                       "\0x\0",
                                       28));
        add("headword-count", int32(3));
        add("headwords", int32(0) + "\xC0|\xE1" + QByteArray(1, '\0') + int32(1) + "RTFM" + QByteArray(1, '\0')
                             + int32(0) + "\xC1\xE0" + QByteArray(1, '\0'));
        add("smileys", counted(":-)\tsmile\r\n;-)\twink"));
        add("acronyms", counted("RTFM\tread the manual"));
        add("users", counted("lamer\tnewbie"));
        add("extensions", counted(".gif\tpicture"));
        add("anecdote-count", int32(2));
        add("anecdotes", counted("first anecdote") + counted("second"));
        add("banner-count", int32(1));
        add("image", counted(tinyGif()));
        add("hint", counted("hint"));
        add("link", counted("https://brivela.example/"));
        add("refused-words", counted("bad\r\nworse"));
    }

    QByteArray bytes() const { return before(m_fields.size()); }

    // The payload cut after `keep` bytes of the named field.
    QByteArray cutIn(const char *field, qsizetype keep) const
    {
        const qsizetype i = indexOf(field);
        return before(i) + m_fields.at(i).second.left(keep);
    }

    // The payload with the field's first int32 (its count, length or, for the
    // headwords, the first description index) replaced.
    QByteArray withInt(const char *field, int32_t value) const
    {
        const qsizetype i = indexOf(field);
        return before(i) + int32(value) + m_fields.at(i).second.mid(4) + after(i);
    }

    // The payload with the field's bytes replaced.
    QByteArray withField(const char *field, const QByteArray &bytes) const
    {
        const qsizetype i = indexOf(field);
        return before(i) + bytes + after(i);
    }

private:
    void add(const char *name, const QByteArray &bytes) { m_fields.append({name, bytes}); }

    qsizetype indexOf(const char *field) const
    {
        for (qsizetype i = 0; i < m_fields.size(); ++i)
            if (m_fields.at(i).first == field)
                return i;
        qFatal("no field %s", field);
    }

    QByteArray before(qsizetype end) const
    {
        QByteArray out;
        for (qsizetype i = 0; i < end; ++i)
            out += m_fields.at(i).second;
        return out;
    }

    QByteArray after(qsizetype i) const
    {
        QByteArray out;
        for (qsizetype j = i + 1; j < m_fields.size(); ++j)
            out += m_fields.at(j).second;
        return out;
    }

    QList<QPair<QByteArray, QByteArray>> m_fields;
};

// Every malformed word base that can be written as a file. A missing file, an
// unreadable one and a directory are made by the tests themselves.
inline QList<BadWordBase> badWordBases()
{
    using namespace LoadMessages;
    const QString damaged = QStringLiteral("Файл brivela.dat поврежден");
    const QString streamReadError = QStringLiteral("Stream read error");
    const FieldPayload p;
    const QByteArray good = container::sealPayload(p.bytes());
    auto seal = [](const QByteArray &payload) { return container::sealPayload(payload); };

    QList<BadWordBase> out;
    out.append({"empty.dat", QByteArray(), truncated()});
    out.append({"truncated-file.dat", good.left(good.size() - 5), damaged});
    out.append({"header-only.dat", good.left(8), damaged});
    out.append({"zero-header-only.dat", QByteArray(8, '\0'), truncated()});
    QByteArray wrongMac = good;
    wrongMac[6] = char(wrongMac[6] ^ 0x10);
    out.append({"wrong-mac.dat", wrongMac, damaged});
    out.append({"version-0.dat", seal(p.withInt("version", 0)),
                QStringLiteral("База слов brivela.dat устарела. Необходимо скачать новую версию.")});
    out.append({"version-2.dat", seal(p.withInt("version", 2)),
                QStringLiteral("Исполняемый файл устарел. Необходимо скачать новую версию программы.")});

    // A payload that ends inside each field. A count or length cut in two ends
    // the data; a text cut short has a length longer than what is left.
    for (const char *field :
         {"version", "edition", "description-count", "headword-count", "anecdote-count", "banner-count"})
        out.append({QStringLiteral("truncated-in-%1.dat").arg(field), seal(p.cutIn(field, 2)), truncated()});
    // A count is checked against the smallest size of what it counts first, so
    // a payload cut soon after a count ends in the too-large message instead.
    out.append({"truncated-in-descriptions.dat", seal(p.cutIn("descriptions", 9)), truncated()});
    out.append({"truncated-in-description-link.dat", seal(p.cutIn("descriptions", 13)), truncated()});
    out.append({"truncated-after-description-count.dat", seal(p.cutIn("descriptions", 3)), lengthTooLarge()});
    out.append({"truncated-in-headwords.dat", seal(p.cutIn("headwords", 22)), truncated()});
    out.append({"truncated-after-headword-count.dat", seal(p.cutIn("headwords", 6)), lengthTooLarge()});
    for (const char *field : {"smileys", "acronyms", "users", "extensions", "hint", "link", "refused-words"}) {
        out.append({QStringLiteral("truncated-in-%1-length.dat").arg(field), seal(p.cutIn(field, 3)), truncated()});
        out.append({QStringLiteral("truncated-in-%1.dat").arg(field), seal(p.cutIn(field, 6)), lengthTooLarge()});
    }
    out.append({"truncated-in-anecdote-length.dat", seal(p.cutIn("anecdotes", 18 + 3)), truncated()});
    out.append({"truncated-in-anecdotes.dat", seal(p.cutIn("anecdotes", 18 + 6)), lengthTooLarge()});
    out.append({"truncated-after-anecdote-count.dat", seal(p.cutIn("anecdotes", 3)), lengthTooLarge()});
    out.append({"truncated-in-image-length.dat", seal(p.cutIn("image", 3)), lengthTooLarge()});
    out.append({"truncated-in-image.dat", seal(p.cutIn("image", 20)), streamReadError});

    // A negative or huge value in every counted field.
    for (const char *field : {"description-count", "headword-count", "smileys", "acronyms", "users", "extensions",
                              "anecdote-count", "anecdotes", "banner-count", "hint", "link", "refused-words"}) {
        out.append({QStringLiteral("negative-%1.dat").arg(field), seal(p.withInt(field, -1)), negativeLength()});
        out.append({QStringLiteral("huge-%1.dat").arg(field), seal(p.withInt(field, 0x7fffffff)), lengthTooLarge()});
    }
    out.append({"negative-image-length.dat", seal(p.withInt("image", -1)), negativeLength()});
    out.append({"huge-image-length.dat", seal(p.withInt("image", 0x7fffffff)), streamReadError});

    out.append({"description-index-negative.dat", seal(p.withInt("headwords", -1)), badDescriptionIndex()});
    out.append({"description-index-past-end.dat", seal(p.withInt("headwords", 2)), badDescriptionIndex()});
    out.append({"description-index-huge.dat", seal(p.withInt("headwords", 0x7fffffff)), badDescriptionIndex()});

    out.append(
        {"banner-not-gif.dat", seal(p.withField("image", counted("GIF89a but not really"))), gifDecoderMessage()});
    out.append({"banner-empty-image.dat", seal(p.withField("image", counted({}))), gifDecoderMessage()});
    out.append({"banner-gif-too-large.dat", seal(p.withField("image", counted(hugeGif()))), gifDecoderMessage()});
    return out;
}

} // namespace testbase
