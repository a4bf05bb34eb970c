#include "dict/dictionary.h"

#include "dict/bytereader.h"
#include "text/stringlist.h"

#include <algorithm>

namespace {
constexpr uint8_t kLineFollows = 0x0A;
constexpr uint8_t kEndOfDescription = 0x00;
constexpr uint8_t kIndent = 0x09;
constexpr uint8_t kSpace = 0x20;
constexpr uint8_t kLink = 0x7E;

// Smallest encodings: a description is at least one line (flag and terminator),
// a headword at least its description index and the caption's NUL.
constexpr int kMinDescriptionBytes = 2;
constexpr int kMinHeadwordBytes = 5;

bool endsTextRun(uint8_t c)
{
    return c == kLink || c == kIndent || c == kSpace || c == kLineFollows || c == kEndOfDescription;
}
} // namespace

void TDescriptionLine::Clear()
{
    FElements.clear();
    FJustify = 0;
}

void TDescriptionLine::LoadFromStream(ByteReader &stream)
{
    Clear();
    FJustify = stream.readByte();
    for (;;) {
        const uint8_t c = stream.readByte();
        if (c == kLineFollows || c == kEndOfDescription)
            return;
        if (c == kIndent) {
            FElements.push_back(std::make_unique<TIdentElement>());
        } else if (c == kSpace) {
            FElements.push_back(std::make_unique<TSpaceElement>());
        } else if (c == kLink) {
            const int32_t wordId = stream.readInt32();
            QByteArray text;
            for (uint8_t b = stream.readByte(); b != kLink; b = stream.readByte())
                text.append(char(b));
            FElements.push_back(std::make_unique<TRefElement>(wordId, std::move(text)));
        } else {
            QByteArray text(1, char(c));
            for (uint8_t b = stream.readByte(); !endsTextRun(b); b = stream.readByte())
                text.append(char(b));
            stream.stepBack();
            FElements.push_back(std::make_unique<TTextElement>(std::move(text)));
        }
    }
}

void TWordDescription::Clear()
{
    FLines.clear();
    FSynonyms.clear();
}

void TWordDescription::LoadFromStream(ByteReader &stream)
{
    Clear();
    for (;;) {
        auto line = std::make_unique<TDescriptionLine>();
        line->LoadFromStream(stream);
        FLines.push_back(std::move(line));
        stream.stepBack();
        if (stream.readByte() == kEndOfDescription)
            return;
    }
}

void TDictUnit::Add(int32_t wordId, int32_t descIndex, const QByteArray &caption)
{
    FWords.push_back(std::make_unique<TDictWord>(wordId, descIndex, caption));
}

void TDictionary::Clear()
{
    for (auto &unit : FUnits)
        unit.reset();
    FDescriptions.clear();
    FDescCount = 0;
    FWordCount = 0;
}

void TDictionary::LoadFromStream(ByteReader &stream)
{
    Clear();
    FDescCount = stream.readCount(kMinDescriptionBytes);
    FDescriptions.reserve(size_t(FDescCount));
    for (int32_t i = 0; i < FDescCount; ++i) {
        FDescriptions.push_back(std::make_unique<TWordDescription>());
        FDescriptions.back()->LoadFromStream(stream);
    }
    FWordCount = stream.readCount(kMinHeadwordBytes);
    for (int32_t j = 0; j < FWordCount; ++j) {
        const int32_t descIndex = stream.readInt32();
        if (descIndex < 0 || descIndex >= FDescCount)
            throw LoadError(LoadMessages::badDescriptionIndex());
        QByteArray caption;
        for (uint8_t b = stream.readByte(); b != 0; b = stream.readByte())
            caption.append(char(b));
        auto &unit = FUnits[LetterOf(caption)];
        if (!unit)
            unit = std::make_unique<TDictUnit>();
        unit->Add(j, descIndex, caption);
    }
    buildSynonyms();
}

void TDictionary::buildSynonyms()
{
    for (const auto &unit : FUnits) {
        if (!unit)
            continue;
        for (int i = 0; i < unit->Count(); ++i) {
            const TDictWord *word = unit->GetWord(i);
            QByteArray text = word->Caption();
            text.replace('|', QByteArray());
            FDescriptions[size_t(word->DescIndex())]->AddSynonym(
                std::make_unique<TRefElement>(word->WordId(), std::move(text)));
        }
    }
}

uint8_t TDictionary::LetterOf(QByteArrayView caption)
{
    for (const char ch : caption) {
        const auto b = uint8_t(ch);
        if (b == '|')
            continue;
        return (b >= 0xC0 && b <= 0xDF) ? b : uint8_t('@');
    }
    return 0;
}

void TDictionary::FillTabs(StringList &tabs) const
{
    QList<QByteArray> captions;
    for (int letter = 0; letter < 256; ++letter)
        if (FUnits[size_t(letter)])
            captions.append(QByteArray(1, char(letter)));
    tabs.clear();
    for (const QByteArray &c : captions)
        tabs.append(c);
}

std::vector<const TDictWord *> TDictionary::wordsById() const
{
    std::vector<const TDictWord *> words(size_t(FWordCount), nullptr);
    for (const auto &unit : FUnits) {
        if (!unit)
            continue;
        for (int i = 0; i < unit->Count(); ++i) {
            const TDictWord *w = unit->GetWord(i);
            words[size_t(w->WordId())] = w;
        }
    }
    return words;
}
