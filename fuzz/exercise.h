#pragma once

// What the program does with a word base once it has loaded, done over fakes
// of the screen so that a fuzz run reaches the layout and the caption painting
// with hostile data too.

#include "dict/dictionary.h"
#include "dict/pane.h"
#include "text/ansi.h"
#include "text/stringlist.h"
#include "wordbase/wordbase.h"

#include <memory>
#include <vector>

namespace fuzzing {

// A label that is 7 px per byte wide and 16 px high, like a narrow font.
class FakeLabel : public DescriptionLabel
{
public:
    void setTransparent(bool) override { }
    void setLeft(int x) override { m_left = x; }
    void setTop(int y) override { m_top = y; }
    int left() const override { return m_left; }
    int top() const override { return m_top; }
    void setFontSize(int) override { }
    void setFontColor(const QColor &) override { }
    void setCaption(const QByteArray &text) override { m_width = int(text.size()) * 7; }
    void setTag(int tag) override { m_tag = tag; }
    int tag() const override { return m_tag; }
    void setHandCursor() override { }
    void setClickHandler(std::function<void(DescriptionLabel &)>) override { }
    int width() const override { return m_width; }
    int height() const override { return 16; }

    bool visible = true;

private:
    int m_left = 0, m_top = 0, m_tag = 0, m_width = 0;
};

class FakePane : public DescriptionPane
{
public:
    int childCount() const override { return int(m_labels.size()); }
    bool isChildVisible(int index) const override { return m_labels.at(size_t(index))->visible; }
    void hideChild(int index) override { m_labels.at(size_t(index))->visible = false; }
    void destroyChild(int index) override { m_labels.erase(m_labels.begin() + index); }
    DescriptionLabel *makeLabel() override
    {
        m_labels.push_back(std::make_unique<FakeLabel>());
        return m_labels.back().get();
    }

private:
    std::vector<std::unique_ptr<FakeLabel>> m_labels;
};

class FakeCanvas : public CaptionCanvas
{
public:
    QColor fontColor() const override { return m_color; }
    void setFontColor(const QColor &color) override { m_color = color; }
    BrushStyle brushStyle() const override { return m_brush; }
    void setBrushStyle(BrushStyle style) override { m_brush = style; }
    void textRect(const QRect &, int, int, const QByteArray &text) override { m_painted += text.size(); }
    int textWidth(const QByteArray &text) const override { return int(text.size()) * 7; }

private:
    QColor m_color;
    BrushStyle m_brush = BrushStyle::Solid;
    qsizetype m_painted = 0;
};

// Browses everything: the tabs, every bucket's captions, every headword's
// description page, the refused-word lookup of the search box and the summary.
inline void browse(const WordBaseFields &fields)
{
    const TDictionary &dict = fields.FDictionary;
    StringList tabs;
    dict.FillTabs(tabs);
    FakePane pane;
    FakeCanvas canvas;
    for (const QByteArray &tab : tabs.lines()) {
        const TDictUnit *unit = dict.GetUnit(uint8_t(tab.at(0)));
        for (int i = 0; i < unit->Count(); ++i) {
            const TDictWord *word = unit->GetWord(i);
            word->Draw(canvas, QRect(0, 0, 300, 16), 2, 0, i == 0);
            dict.GetDescription(word->DescIndex())->ShowDescription(pane, word->WordId());
            const QByteArray typed = AnsiLowerCase(word->Caption());
            (void)fields.FRefusedWords.IndexOf(typed.left(8));
            (void)TDictionary::LetterOf(AnsiUpperCase(typed));
        }
    }
    (void)dict.wordsById();
    (void)loadSummary(fields);
}

} // namespace fuzzing
