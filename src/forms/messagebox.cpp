#include "forms/messagebox.h"

#include "forms/dialogframe.h"
#include "text/cp1251.h"

#include <QAbstractButton>
#include <QCloseEvent>

namespace {

class CaptionedMessageBox : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent *event) override
    {
        QMessageBox::showEvent(event);
        centreOnScreen(this);
    }

    // A box without a Cancel-like button refuses its frame's close button;
    // closing it that way should still end the box, with no button clicked.
    void closeEvent(QCloseEvent *event) override
    {
        QMessageBox::closeEvent(event);
        if (!event->isAccepted()) {
            event->accept();
            QDialog::closeEvent(event);
        }
    }
};

int modalResultOf(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok:
        return ModalResult::Ok;
    case QMessageBox::Cancel:
        return ModalResult::Cancel;
    case QMessageBox::Abort:
        return ModalResult::Abort;
    case QMessageBox::Retry:
        return ModalResult::Retry;
    case QMessageBox::Ignore:
        return ModalResult::Ignore;
    case QMessageBox::Yes:
        return ModalResult::Yes;
    case QMessageBox::No:
        return ModalResult::No;
    default:
        return ModalResult::None;
    }
}

} // namespace

int ShowMessageWithCaption(QWidget *parent, const QString &text, QByteArrayView caption,
                           QMessageBox::StandardButtons buttons, QMessageBox::Icon icon)
{
    CaptionedMessageBox box(parent);
    box.setWindowTitle(fromCp1251(caption));
    box.setIcon(icon);
    // Anecdotes are plain text; rich-text guessing would eat anything in angle brackets.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setStandardButtons(buttons);
    // Some styles put pictures on a few standard buttons only; plain captions look even.
    for (QAbstractButton *button : box.buttons())
        button->setIcon(QIcon());
    box.exec();
    QAbstractButton *clicked = box.clickedButton();
    if (!clicked)
        return ModalResult::Cancel;
    return modalResultOf(box.standardButton(clicked));
}
