#pragma once

#include "dict/elements.h"

#include <memory>
#include <vector>

class ByteReader;
class DescriptionPane;

// One line of a description: its elements, left to right, and the justify flag
// as stored (any non-zero value justifies the line).
class TDescriptionLine
{
public:
    using Elements = std::vector<std::unique_ptr<TDescriptionElement>>;

    void Clear();
    // Reads one line: the flag byte, the elements, and the terminator (LF or NUL),
    // which stays consumed.
    void LoadFromStream(ByteReader &stream);

    // Places the elements from x = 10 at the given top; a justified line then
    // spreads its spaces so that it runs to x = 300.
    void Layout(DescriptionPane &pane, int y);
    // The tallest element's height; 0 for a line without text or links.
    int Height() const;

    uint8_t Justify() const { return FJustify; }
    void setJustify(uint8_t flag) { FJustify = flag; }
    const Elements &elements() const { return FElements; }
    void append(std::unique_ptr<TDescriptionElement> element) { FElements.push_back(std::move(element)); }

private:
    Elements FElements;
    uint8_t FJustify = 0;
};

// A description: its lines, and one link for every headword that uses it.
class TWordDescription
{
public:
    using Lines = std::vector<std::unique_ptr<TDescriptionLine>>;
    using Synonyms = std::vector<std::unique_ptr<TRefElement>>;

    void Clear();
    void LoadFromStream(ByteReader &stream);
    void AddSynonym(std::unique_ptr<TRefElement> link) { FSynonyms.push_back(std::move(link)); }

    // Replaces the pane's page by this description, shown for the headword
    // shownWordId (which is left out of the synonyms block).
    void ShowDescription(DescriptionPane &pane, int32_t shownWordId);

    const Lines &lines() const { return FLines; }
    const Synonyms &synonyms() const { return FSynonyms; }
    void appendLine(std::unique_ptr<TDescriptionLine> line) { FLines.push_back(std::move(line)); }

private:
    Lines FLines;
    Synonyms FSynonyms;
};
