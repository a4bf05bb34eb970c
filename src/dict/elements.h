#pragma once

#include <QByteArray>

#include <cstdint>

class DescriptionLabel;
class DescriptionPane;

// One piece of a description line: a text run, a link, a space or an indent.
// Text runs and links become labels on the pane; spaces and indents only take
// room on their line.
class TDescriptionElement
{
public:
    virtual ~TDescriptionElement() = default;
    // Whether a justified line may widen the element.
    virtual bool Stretchable() const = 0;
    virtual int32_t Width() const = 0;
    // Puts the element on the pane with its left edge at x and its top at y.
    virtual void Place(DescriptionPane &pane, int x, int y) = 0;
    virtual int32_t Height() const = 0;
    // Moves a placed element to a new left edge.
    virtual void SetLeft(int x) = 0;
};

// An element of fixed width.
class TFixedElement : public TDescriptionElement
{
public:
    bool Stretchable() const override { return false; }
};

// A run of text, shown as one label.
class TTextElement : public TFixedElement
{
public:
    explicit TTextElement(QByteArray text) : FText(std::move(text)) { }
    const QByteArray &Text() const { return FText; }
    // The label made by the latest Place; owned by the pane.
    DescriptionLabel *Label() const { return FLabel; }

    int32_t Width() const override;
    void Place(DescriptionPane &pane, int x, int y) override;
    int32_t Height() const override;
    void SetLeft(int x) override;

protected:
    QByteArray FText;
    DescriptionLabel *FLabel = nullptr;
};

// A link to a headword by word id (-1 opens the smiley guide).
class TRefElement : public TTextElement
{
public:
    TRefElement(int32_t wordId, QByteArray text) : TTextElement(std::move(text)), FWordId(wordId) { }
    int32_t WordId() const { return FWordId; }
    void Place(DescriptionPane &pane, int x, int y) override;

private:
    int32_t FWordId;
};

// A space: 5 px, stretched on justified lines.
class TSpaceElement : public TDescriptionElement
{
public:
    bool Stretchable() const override { return true; }
    int32_t Width() const override { return FWidth; }
    void Place(DescriptionPane &, int, int) override { }
    int32_t Height() const override { return 0; }
    void SetLeft(int) override { }
    // Takes its share of the free width of a justified line: the free width
    // divided among the stretchable elements still to be served, at least 5.
    void Stretch(int &count, int &freeWidth);

private:
    int32_t FWidth = 5;
};

// A fixed indent of 30 px (a TAB in the word base).
class TIdentElement : public TFixedElement
{
public:
    int32_t Width() const override { return 30; }
    void Place(DescriptionPane &, int, int) override { }
    int32_t Height() const override { return 0; }
    void SetLeft(int) override { }
};
