#include "view/wordlistdelegate.h"

#include "view/paintercanvas.h"

#include <QApplication>
#include <QPainter>

namespace {
// Room between the list's edge and the caption.
constexpr int kTextIndent = 3;
} // namespace

void WordListDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QWidget *widget = opt.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, painter, widget);

    if (!m_drawItem)
        return;
    const bool selected = opt.state & QStyle::State_Selected;
    painter->save();
    painter->setFont(opt.font);
    const QPalette::ColorGroup group = (opt.state & QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
    PainterCanvas canvas(*painter, opt.palette.color(group, QPalette::Text), opt.palette.color(group, QPalette::Base));
    // The caption sits in the middle of the item's height, a little in from the edge.
    const int textTop = opt.rect.top() + (opt.rect.height() - painter->fontMetrics().height()) / 2;
    const QRect textRect(opt.rect.left() + kTextIndent, textTop, opt.rect.width() - kTextIndent,
                         opt.rect.bottom() - textTop + 1);
    m_drawItem(canvas, index.row(), textRect, selected);
    painter->restore();
}

QSize WordListDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    return {option.rect.width(), ItemHeight};
}
