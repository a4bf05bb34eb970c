#include "view/lettertabcontrol.h"

#include "text/cp1251.h"

#include <QButtonGroup>
#include <QFrame>
#include <QKeyEvent>
#include <QToolButton>

namespace {
constexpr int kTabsLeft = 4;
constexpr int kTabsTop = 1;
} // namespace

LetterTabControl::LetterTabControl(QWidget *parent)
    : QWidget(parent), m_group(new QButtonGroup(this)), m_page(new QFrame(this))
{
    // The page behind the other widgets; the skin gives it its frame and colour.
    m_page->setObjectName(QStringLiteral("letterPage"));
    m_page->lower();
    setFocusPolicy(Qt::TabFocus);
    m_group->setExclusive(false); // the current index decides which tab is down
    connect(m_group, &QButtonGroup::idClicked, this, &LetterTabControl::setCurrentIndex);
}

void LetterTabControl::setTabs(const StringList &captions)
{
    qDeleteAll(m_buttons);
    m_buttons.clear();
    m_captions = captions;
    for (int i = 0; i < m_captions.count(); ++i) {
        auto *tab = new QToolButton(this);
        tab->setObjectName(QStringLiteral("letterTab"));
        // A letter with code 0 (headwords with an empty caption) has nothing to show.
        const QByteArray &caption = m_captions.at(i);
        tab->setText(caption == QByteArray(1, '\0') ? QStringLiteral(" ") : fromCp1251(caption));
        tab->setCheckable(true);
        tab->setFocusPolicy(Qt::NoFocus);
        tab->setAutoRaise(false);
        m_group->addButton(tab, i);
        tab->show();
        m_buttons.append(tab);
    }
    m_current = m_buttons.isEmpty() ? -1 : 0;
    updateChecked();
}

void LetterTabControl::setCurrentIndex(int index)
{
    if (index < 0 || index >= count() || index == m_current) {
        updateChecked(); // a click on the selected tab keeps it selected
        return;
    }
    m_current = index;
    updateChecked();
    emit currentChanged(index);
}

int LetterTabControl::pageTop() const { return kTabsTop + m_rows * TabHeight; }

void LetterTabControl::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutTabs();
}

void LetterTabControl::keyPressEvent(QKeyEvent *event)
{
    // With the focus on the tabs, the arrow keys pick the neighbouring letter.
    if (event->key() == Qt::Key_Left && m_current > 0)
        setCurrentIndex(m_current - 1);
    else if (event->key() == Qt::Key_Right && m_current + 1 < count())
        setCurrentIndex(m_current + 1);
    else
        QWidget::keyPressEvent(event);
}

void LetterTabControl::layoutTabs()
{
    // As many rows as the tabs need at their narrowest, then the rows share
    // the tabs evenly and every tab is widened to fill its row.
    const int n = int(m_buttons.size());
    const int available = std::max(MinTabWidth, width() - 2 * kTabsLeft);
    const int maxPerRow = std::max(1, available / MinTabWidth);
    m_rows = std::max(1, (n + maxPerRow - 1) / maxPerRow);
    const int perRow = std::max(1, (n + m_rows - 1) / m_rows);
    const int tabWidth = std::min(MaxTabWidth, available / perRow);
    for (int i = 0; i < n; ++i) {
        // The selected tab of the last row reaches over the page's top edge,
        // so that it reads as joined to the page.
        const int row = i / perRow;
        const int joined = (i == m_current && row == m_rows - 1) ? 1 : 0;
        m_buttons[i]->setGeometry(kTabsLeft + (i % perRow) * tabWidth, kTabsTop + row * TabHeight, tabWidth,
                                  TabHeight + joined);
    }
    m_page->setGeometry(0, pageTop() - 1, width(), height() - pageTop() + 1);
}

void LetterTabControl::updateChecked()
{
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setChecked(i == m_current);
    layoutTabs();
}
