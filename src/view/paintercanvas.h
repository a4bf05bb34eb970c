#pragma once

#include "dict/pane.h"

#include <QColor>

class QPainter;

// The word list's drawing surface for one item: text through a QPainter in
// the painter's font, with a font colour and a brush that can be cleared.
class PainterCanvas : public CaptionCanvas
{
public:
    PainterCanvas(QPainter &painter, const QColor &fontColor, const QColor &brushColor);

    QColor fontColor() const override { return m_fontColor; }
    void setFontColor(const QColor &color) override { m_fontColor = color; }
    BrushStyle brushStyle() const override { return m_brushStyle; }
    void setBrushStyle(BrushStyle style) override { m_brushStyle = style; }
    void textRect(const QRect &rect, int x, int y, const QByteArray &text) override;
    int textWidth(const QByteArray &text) const override;

private:
    QPainter &m_painter;
    QColor m_fontColor;
    QColor m_brushColor;
    BrushStyle m_brushStyle = BrushStyle::Solid;
};
