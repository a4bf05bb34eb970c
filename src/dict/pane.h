#pragma once

#include <QByteArray>
#include <QColor>
#include <QRect>

#include <functional>

// What the description layout and the caption painting need of the screen.
// The widgets side implements these; tests use fakes with fixed text widths.

// A label placed on the description pane. It sizes itself to its text.
class DescriptionLabel
{
public:
    virtual ~DescriptionLabel() = default;
    virtual void setTransparent(bool on) = 0;
    virtual void setLeft(int x) = 0;
    virtual void setTop(int y) = 0;
    virtual int left() const = 0;
    virtual int top() const = 0;
    virtual void setFontSize(int points) = 0;
    virtual void setFontColor(const QColor &color) = 0;
    virtual void setCaption(const QByteArray &text) = 0; // Windows-1251
    virtual void setTag(int tag) = 0;
    virtual int tag() const = 0;
    virtual void setHandCursor() = 0;
    virtual void setClickHandler(std::function<void(DescriptionLabel &)> handler) = 0;
    virtual int width() const = 0;
    virtual int height() const = 0;
};

// The pane that owns the labels of the pages shown on it.
class DescriptionPane
{
public:
    virtual ~DescriptionPane() = default;
    virtual int childCount() const = 0;
    virtual bool isChildVisible(int index) const = 0;
    virtual void hideChild(int index) = 0;
    // Takes the child off the pane and destroys it.
    virtual void destroyChild(int index) = 0;
    // A new label, owned by the pane and shown on it.
    virtual DescriptionLabel *makeLabel() = 0;

    // Where a click on a link label goes (the main window's navigation).
    void setLinkClickHandler(std::function<void(DescriptionLabel &)> handler) { m_linkClick = std::move(handler); }
    const std::function<void(DescriptionLabel &)> &linkClickHandler() const { return m_linkClick; }

private:
    std::function<void(DescriptionLabel &)> m_linkClick;
};

// The drawing surface of one word list item.
class CaptionCanvas
{
public:
    enum class BrushStyle { Solid, Clear };
    virtual ~CaptionCanvas() = default;
    virtual QColor fontColor() const = 0;
    virtual void setFontColor(const QColor &color) = 0;
    virtual BrushStyle brushStyle() const = 0;
    virtual void setBrushStyle(BrushStyle style) = 0;
    // Paints text (Windows-1251) with its top-left corner at (x, y), clipped to rect.
    virtual void textRect(const QRect &rect, int x, int y, const QByteArray &text) = 0;
    virtual int textWidth(const QByteArray &text) const = 0;
};

// Colours of the layout and of the word list.
namespace DictColors {
inline const QColor Link {0, 0, 255};
inline const QColor Heading {0, 128, 0};
inline const QColor Accent {255, 0, 0};
inline const QColor SelectedAccent {0, 255, 0};
inline const QColor SelectedText {255, 255, 255};
} // namespace DictColors
