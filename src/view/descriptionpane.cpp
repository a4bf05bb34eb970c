#include "view/descriptionpane.h"

#include "text/cp1251.h"

#include <QMouseEvent>
#include <QScrollBar>

namespace {
// Room left below and right of the last label when the page scrolls.
constexpr int kPageMargin = 10;

// The word base's lines are written to fit 290 px at 10 pt in a Windows sans
// font of about 6 px a letter; a narrow face keeps them within that width.
const QStringList kPageFonts = {QStringLiteral("Nimbus Sans Narrow"), QStringLiteral("Liberation Sans Narrow"),
                                QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")};
} // namespace

DescriptionLabelWidget::DescriptionLabelWidget(QWidget *content) : QLabel(content)
{
    // Word base text is shown as it is, never interpreted as markup.
    setTextFormat(Qt::PlainText);
    setMargin(0);
    setIndent(0);
    setWordWrap(false);
    setTransparent(true);
    // The pane's face, set here: under a stylesheet a child does not inherit it.
    setFont(content->font());
}

void DescriptionLabelWidget::setTransparent(bool on) { setAutoFillBackground(!on); }

void DescriptionLabelWidget::setLeft(int x) { move(x, y()); }

void DescriptionLabelWidget::setTop(int y) { move(x(), y); }

void DescriptionLabelWidget::setFontSize(int points)
{
    QFont f = font();
    f.setPointSize(points);
    setFont(f);
    adjustSize();
}

void DescriptionLabelWidget::setFontColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    p.setColor(QPalette::Text, color);
    setPalette(p);
}

void DescriptionLabelWidget::setCaption(const QByteArray &text)
{
    setText(fromCp1251(text));
    adjustSize();
}

void DescriptionLabelWidget::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
    if (m_onClick)
        event->accept(); // a link takes its clicks; plain text lets them through
}

void DescriptionLabelWidget::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (!m_onClick)
        return;
    event->accept();
    // The handler usually lays out a new page: this label is then hidden, and
    // only the next page destroys it, so it outlives the call.
    if (click)
        m_onClick(*this);
}

DescriptionPaneWidget::DescriptionPaneWidget(QWidget *parent) : QScrollArea(parent), m_content(new QWidget)
{
    m_content->setObjectName(QStringLiteral("descriptionPage"));
    setFocusPolicy(Qt::StrongFocus); // the keyboard scrolls a long page
    QFont pageFont = font();
    pageFont.setFamilies(kPageFonts);
    pageFont.setPointSize(10);
    m_content->setFont(pageFont);
    setWidget(m_content);
    setWidgetResizable(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_content->resize(viewport()->size());
}

DescriptionPaneWidget::~DescriptionPaneWidget() = default;

bool DescriptionPaneWidget::isChildVisible(int index) const { return !m_labels.at(size_t(index))->isHidden(); }

void DescriptionPaneWidget::hideChild(int index) { m_labels.at(size_t(index))->hide(); }

void DescriptionPaneWidget::destroyChild(int index)
{
    DescriptionLabelWidget *label = m_labels.at(size_t(index));
    m_labels.erase(m_labels.begin() + index);
    delete label;
}

DescriptionLabel *DescriptionPaneWidget::makeLabel()
{
    auto *label = new DescriptionLabelWidget(m_content);
    m_labels.push_back(label);
    label->show();
    return label;
}

void DescriptionPaneWidget::pageShown()
{
    QRect extent;
    for (const DescriptionLabelWidget *label : m_labels)
        if (!label->isHidden())
            extent |= label->geometry();
    const int w = extent.isEmpty() ? 0 : extent.right() + 1 + kPageMargin;
    const int h = extent.isEmpty() ? 0 : extent.bottom() + 1 + kPageMargin;

    // The content fills the view where the page is smaller, but never so much
    // that it forces a scroll bar the page itself does not need.
    const QSize full = maximumViewportSize();
    const int barWidth = verticalScrollBar()->sizeHint().width();
    const int barHeight = horizontalScrollBar()->sizeHint().height();
    bool needV = h > full.height();
    const bool needH = w > full.width() - (needV ? barWidth : 0);
    needV = needV || h > full.height() - (needH ? barHeight : 0);
    m_content->resize(std::max(w, full.width() - (needV ? barWidth : 0)),
                      std::max(h, full.height() - (needH ? barHeight : 0)));
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}
