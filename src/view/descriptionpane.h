#pragma once

#include "dict/pane.h"

#include <QLabel>
#include <QScrollArea>

#include <vector>

class DescriptionPaneWidget;

// A text run or link of a description page: a plain-text QLabel that sizes
// itself to its text and reports clicks to its handler.
class DescriptionLabelWidget : public QLabel, public DescriptionLabel
{
public:
    explicit DescriptionLabelWidget(QWidget *content);

    void setTransparent(bool on) override;
    void setLeft(int x) override;
    void setTop(int y) override;
    int left() const override { return x(); }
    int top() const override { return y(); }
    void setFontSize(int points) override;
    void setFontColor(const QColor &color) override;
    void setCaption(const QByteArray &text) override;
    void setTag(int tag) override { m_tag = tag; }
    int tag() const override { return m_tag; }
    void setHandCursor() override { setCursor(Qt::PointingHandCursor); }
    void setClickHandler(std::function<void(DescriptionLabel &)> handler) override { m_onClick = std::move(handler); }
    int width() const override { return QLabel::width(); }
    int height() const override { return QLabel::height(); }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_tag = 0;
    bool m_pressed = false;
    std::function<void(DescriptionLabel &)> m_onClick;
};

// The description pane: a scroll area whose content widget holds the labels
// of the page on show (and, hidden, those of the page before) at absolute
// positions.
class DescriptionPaneWidget : public QScrollArea, public DescriptionPane
{
    Q_OBJECT

public:
    explicit DescriptionPaneWidget(QWidget *parent = nullptr);
    ~DescriptionPaneWidget() override;

    int childCount() const override { return int(m_labels.size()); }
    bool isChildVisible(int index) const override;
    void hideChild(int index) override;
    void destroyChild(int index) override;
    DescriptionLabel *makeLabel() override;

    // Sizes the content to the visible labels, so that a long page scrolls,
    // and shows the page from its top. Called after a page has been laid out.
    void pageShown();

    DescriptionLabelWidget *label(int index) const { return m_labels.at(size_t(index)); }
    QWidget *content() const { return m_content; }

private:
    QWidget *m_content;
    std::vector<DescriptionLabelWidget *> m_labels;
};
