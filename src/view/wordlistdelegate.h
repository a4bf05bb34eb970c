#pragma once

#include <QStyledItemDelegate>

#include <functional>

class CaptionCanvas;

// Paints the word list: the item's background (with the selection look) by
// the style, then the caption on top by the draw-item handler, which finds
// the word behind the row.
class WordListDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using DrawItem = std::function<void(CaptionCanvas &canvas, int row, const QRect &rect, bool selected)>;

    static constexpr int ItemHeight = 16;

    explicit WordListDelegate(QObject *parent = nullptr) : QStyledItemDelegate(parent) { }

    void setDrawItem(DrawItem drawItem) { m_drawItem = std::move(drawItem); }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    DrawItem m_drawItem;
};
