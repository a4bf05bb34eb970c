#include "rawwordbase.h"

#include "dict/bytereader.h"
#include "dict/dictionary.h"
#include "dict/sectionwriter.h"

namespace {

constexpr int32_t kFormatVersion = 1;

void appendCounted(QByteArray &out, const QByteArray &text)
{
    appendInt32(out, int32_t(text.size()));
    out += text;
}

QByteArray readCounted(ByteReader &stream)
{
    const int32_t n = stream.readCount(1);
    return stream.readBytes(n).toByteArray();
}

} // namespace

QByteArray assemblePayload(const RawWordBase &base)
{
    QByteArray out;
    appendInt32(out, kFormatVersion);
    appendInt32(out, base.edition);
    out += base.dictionary;
    for (const QByteArray &guide : base.guides)
        appendCounted(out, guide);
    appendInt32(out, int32_t(base.anecdotes.size()));
    for (const QByteArray &anecdote : base.anecdotes)
        appendCounted(out, anecdote);
    appendInt32(out, int32_t(base.banners.size()));
    for (const RawBanner &banner : base.banners) {
        appendCounted(out, banner.image);
        appendCounted(out, banner.hint);
        appendCounted(out, banner.link);
    }
    appendCounted(out, base.refused);
    out += base.trailing;
    return out;
}

RawWordBase splitPayload(const QByteArray &payload, TDictionary &dictionary)
{
    ByteReader stream(payload);
    RawWordBase base;
    if (stream.readInt32() != kFormatVersion)
        throw LoadError(QStringLiteral("not a word base of format version 1"));
    base.edition = stream.readInt32();

    const qsizetype sectionStart = stream.pos();
    dictionary.LoadFromStream(stream);
    base.dictionary = payload.sliced(sectionStart, stream.pos() - sectionStart);

    for (QByteArray &guide : base.guides)
        guide = readCounted(stream);
    const int32_t anecdotes = stream.readCount(4);
    for (int32_t i = 0; i < anecdotes; ++i)
        base.anecdotes.push_back(readCounted(stream));
    const int32_t banners = stream.readCount(12);
    for (int32_t i = 0; i < banners; ++i) {
        RawBanner banner;
        banner.image = readCounted(stream);
        banner.hint = readCounted(stream);
        banner.link = readCounted(stream);
        base.banners.push_back(std::move(banner));
    }
    base.refused = readCounted(stream);
    base.trailing = payload.sliced(stream.pos());
    return base;
}
