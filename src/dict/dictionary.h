#pragma once

#include "dict/description.h"

#include <QByteArray>
#include <QRect>

#include <array>
#include <memory>
#include <vector>

class ByteReader;
class CaptionCanvas;
class StringList;

// A headword: its word id, the description it uses, and its caption with the
// stress marks ('|' before the stressed letter).
class TDictWord
{
public:
    TDictWord(int32_t wordId, int32_t descIndex, QByteArray caption)
        : FWordId(wordId), FDescIndex(descIndex), FCaption(std::move(caption))
    {
    }
    virtual ~TDictWord() = default;

    int32_t WordId() const { return FWordId; }
    int32_t DescIndex() const { return FDescIndex; }
    const QByteArray &Caption() const { return FCaption; }

    // Paints the caption at (x, y) within rect, the stressed letters in the
    // accent colour.
    virtual void Draw(CaptionCanvas &canvas, const QRect &rect, int x, int y, bool selected) const;

private:
    int32_t FWordId;
    int32_t FDescIndex;
    QByteArray FCaption;
};

// A letter bucket: the headwords of one letter tab, in section order.
class TDictUnit
{
public:
    void Add(int32_t wordId, int32_t descIndex, const QByteArray &caption);
    int32_t Count() const { return int32_t(FWords.size()); }
    TDictWord *GetWord(int index) const { return FWords.at(size_t(index)).get(); }

private:
    std::vector<std::unique_ptr<TDictWord>> FWords;
};

// The whole dictionary: descriptions, headwords grouped into 256 letter
// buckets, and the synonym links between headwords sharing a description.
class TDictionary
{
public:
    TDictionary() = default;
    TDictionary(const TDictionary &) = delete;
    TDictionary &operator=(const TDictionary &) = delete;
    ~TDictionary() { Clear(); }

    // Reads one whole dictionary section and leaves the stream just past it.
    // Throws LoadError on data that breaks the format.
    void LoadFromStream(ByteReader &stream);
    void Clear();

    // The bucket of a caption: its first letter that is not '|' when that is a
    // capital А..Я, '@' for any other letter, 0 for an empty caption.
    static uint8_t LetterOf(QByteArrayView caption);
    // One one-letter caption per present bucket, in letter order.
    void FillTabs(StringList &tabs) const;

    TDictUnit *GetUnit(uint8_t letter) const { return FUnits[letter].get(); }
    int32_t WordCount() const { return FWordCount; }
    int32_t DescCount() const { return FDescCount; }
    TWordDescription *GetDescription(int32_t index) const { return FDescriptions.at(size_t(index)).get(); }

    // Every headword, by word id.
    std::vector<const TDictWord *> wordsById() const;

private:
    void buildSynonyms();

    int32_t FDescCount = 0;
    int32_t FWordCount = 0;
    std::array<std::unique_ptr<TDictUnit>, 256> FUnits;
    std::vector<std::unique_ptr<TWordDescription>> FDescriptions;
};
