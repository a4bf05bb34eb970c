// Laying descriptions out on the pane and painting headword captions.
#include "dict/dictionary.h"
#include "dict/pane.h"

namespace {
constexpr int kLeftMargin = 10;
constexpr int kTopMargin = 10;
constexpr int kJustifyWidth = 290;
constexpr int kMinSpace = 5;
constexpr int kFontPoints = 10;
constexpr int kHeadingLeft = 40;
} // namespace

int32_t TTextElement::Width() const { return FLabel ? FLabel->width() : 0; }

int32_t TTextElement::Height() const { return FLabel ? FLabel->height() : 0; }

void TTextElement::SetLeft(int x)
{
    if (FLabel)
        FLabel->setLeft(x);
}

void TTextElement::Place(DescriptionPane &pane, int x, int y)
{
    FLabel = pane.makeLabel();
    FLabel->setTransparent(true);
    FLabel->setLeft(x);
    FLabel->setTop(y);
    FLabel->setFontSize(kFontPoints);
    FLabel->setCaption(FText);
}

void TRefElement::Place(DescriptionPane &pane, int x, int y)
{
    TTextElement::Place(pane, x, y);
    FLabel->setTag(FWordId);
    FLabel->setFontColor(DictColors::Link);
    FLabel->setHandCursor();
    FLabel->setClickHandler(pane.linkClickHandler());
}

void TSpaceElement::Stretch(int &count, int &freeWidth)
{
    int w = freeWidth / count;
    if (w < kMinSpace)
        w = kMinSpace;
    FWidth = w;
    freeWidth -= w;
    --count;
}

void TDescriptionLine::Layout(DescriptionPane &pane, int y)
{
    int x = kLeftMargin;
    for (const auto &e : FElements) {
        e->Place(pane, x, y);
        x += e->Width();
    }
    if (FJustify == 0)
        return;

    int fixed = 0;
    int count = 0;
    for (const auto &e : FElements) {
        if (e->Stretchable())
            ++count;
        else
            fixed += e->Width();
    }
    int freeWidth = kJustifyWidth - fixed;
    for (const auto &e : FElements)
        if (e->Stretchable())
            static_cast<TSpaceElement &>(*e).Stretch(count, freeWidth);

    x = kLeftMargin;
    for (const auto &e : FElements) {
        e->SetLeft(x);
        x += e->Width();
    }
}

int TDescriptionLine::Height() const
{
    int h = 0;
    for (const auto &e : FElements)
        h = std::max(h, int(e->Height()));
    return h;
}

void TWordDescription::ShowDescription(DescriptionPane &pane, int32_t shownWordId)
{
    // The page on show is only hidden: this may run inside the click handler of
    // one of its labels. The page before it is destroyed now.
    for (int i = pane.childCount() - 1; i >= 0; --i) {
        if (pane.isChildVisible(i))
            pane.hideChild(i);
        else
            pane.destroyChild(i);
    }

    int y = kTopMargin;
    for (const auto &line : FLines) {
        line->Layout(pane, y);
        y += line->Height();
    }
    if (FSynonyms.size() < 2)
        return;

    DescriptionLabel *heading = pane.makeLabel();
    heading->setTransparent(true);
    heading->setLeft(kHeadingLeft);
    heading->setFontSize(kFontPoints);
    heading->setFontColor(DictColors::Heading);
    heading->setCaption(QByteArray("\xD1\xE8\xED\xEE\xED\xE8\xEC\xFB")); // "Синонимы"
    const int h = heading->height();
    y += h;
    heading->setTop(y);
    y += h;
    for (const auto &link : FSynonyms) {
        if (link->WordId() == shownWordId)
            continue;
        link->Place(pane, kLeftMargin, y);
        y += link->Height();
    }
}

void TDictWord::Draw(CaptionCanvas &canvas, const QRect &rect, int x, int y, bool selected) const
{
    QByteArray s = FCaption;
    QColor keep = canvas.fontColor();
    if (selected) {
        keep = DictColors::SelectedText;
        canvas.setFontColor(keep);
    }
    const CaptionCanvas::BrushStyle brush = canvas.brushStyle();
    canvas.setBrushStyle(CaptionCanvas::BrushStyle::Clear);

    for (qsizetype p = s.indexOf('|'); p >= 0; p = s.indexOf('|')) {
        const QByteArray before = s.left(p);
        canvas.textRect(rect, x, y, before);
        x += canvas.textWidth(before);
        canvas.setFontColor(selected ? DictColors::SelectedAccent : DictColors::Accent);
        const QByteArray accented = s.mid(p + 1, 1);
        canvas.textRect(rect, x, y, accented);
        x += canvas.textWidth(accented);
        canvas.setFontColor(keep);
        s.remove(0, p + 2);
    }
    canvas.textRect(rect, x, y, s);
    canvas.setBrushStyle(brush);
}
