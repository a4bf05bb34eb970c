#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TAdvertisingForm;
}

// The offer to banner customers, drawn line by line with its bold spans on a
// scrolling paint box, with a button that copies the text to the clipboard.
// It is made once, sized to its widest line, and shown modally as often as asked.
class TAdvertisingForm : public QDialog
{
    Q_OBJECT

public:
    explicit TAdvertisingForm(QWidget *parent = nullptr);
    ~TAdvertisingForm() override;

    int lineCount() const { return FLineCount; }
    // The normal font of the text: the paint box's family at 10 pt.
    QFont textFont() const;

public slots:
    void TeButton2Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate();
    void TePaintBox1Paint();

    std::unique_ptr<Ui::TAdvertisingForm> ui;
    int FLineCount = 0;
};
