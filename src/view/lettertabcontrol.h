#pragma once

#include "text/stringlist.h"

#include <QList>
#include <QWidget>

class QButtonGroup;
class QFrame;
class QToolButton;

// The letter tabs: one tab per caption, laid out left to right and wrapping
// onto further rows, above a page on which the other widgets stand at fixed
// positions. The selected tab is the current index (-1 when there are no tabs).
class LetterTabControl : public QWidget
{
    Q_OBJECT

public:
    static constexpr int MinTabWidth = 30;
    static constexpr int MaxTabWidth = 48;
    static constexpr int TabHeight = 18;

    explicit LetterTabControl(QWidget *parent = nullptr);

    // Replaces the tabs (Windows-1251 captions); the first one is selected,
    // without a change notification.
    void setTabs(const StringList &captions);
    const StringList &tabs() const { return m_captions; }
    int count() const { return int(m_captions.count()); }

    int currentIndex() const { return m_current; }
    // Selects a tab and notifies the change; a negative index, one past the
    // last tab and the tab already selected are ignored.
    void setCurrentIndex(int index);

    QToolButton *tabButton(int index) const { return m_buttons.at(index); }
    // Bottom edge of the tab rows: the page begins here.
    int pageTop() const;

signals:
    void currentChanged(int index);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void layoutTabs();
    void updateChecked();

    StringList m_captions;
    QList<QToolButton *> m_buttons;
    QButtonGroup *m_group;
    QFrame *m_page;
    int m_current = -1;
    int m_rows = 1;
};
