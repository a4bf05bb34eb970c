#include "view/paintercanvas.h"

#include "text/cp1251.h"

#include <QFontMetrics>
#include <QPainter>

PainterCanvas::PainterCanvas(QPainter &painter, const QColor &fontColor, const QColor &brushColor)
    : m_painter(painter), m_fontColor(fontColor), m_brushColor(brushColor)
{
}

void PainterCanvas::textRect(const QRect &rect, int x, int y, const QByteArray &text)
{
    if (text.isEmpty())
        return;
    const QString s = fromCp1251(text);
    const QFontMetrics fm = m_painter.fontMetrics();
    m_painter.save();
    m_painter.setClipRect(rect, Qt::IntersectClip);
    // A solid brush fills the text's cell first, as an opaque text background.
    if (m_brushStyle == BrushStyle::Solid)
        m_painter.fillRect(QRect(x, y, fm.horizontalAdvance(s), fm.height()), m_brushColor);
    m_painter.setPen(m_fontColor);
    m_painter.drawText(QPoint(x, y + fm.ascent()), s);
    m_painter.restore();
}

int PainterCanvas::textWidth(const QByteArray &text) const
{
    return m_painter.fontMetrics().horizontalAdvance(fromCp1251(text));
}
