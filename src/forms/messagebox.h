#pragma once

#include <QByteArrayView>
#include <QMessageBox>
#include <QString>

// The modal results that callers compare against, numbered as the program
// has always numbered them.
namespace ModalResult {
enum : int {
    None = 0,
    Ok = 1,
    Cancel = 2,
    Abort = 3,
    Retry = 4,
    Ignore = 5,
    Yes = 6,
    No = 7,
};
}

// Shows a skinned message box centred on the screen, with the given plain
// text, caption (8-bit Windows-1251 text), buttons and icon (NoIcon for none),
// and returns the button that closed it as a ModalResult. Closing the box by
// its frame gives ModalResult::Cancel.
int ShowMessageWithCaption(QWidget *parent, const QString &text, QByteArrayView caption,
                           QMessageBox::StandardButtons buttons, QMessageBox::Icon icon);
