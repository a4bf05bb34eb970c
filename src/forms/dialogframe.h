#pragma once

class QDialog;
class QWidget;

// The frame every side window shares: a dialog border with only the system
// menu and close buttons. The size is fixed by each window itself.
void setDialogFrame(QDialog *dialog);

// Places a top-level window in the middle of the screen it appears on; called
// from showEvent, once the window knows its final size.
void centreOnScreen(QWidget *window);

// Gives one widget a font size in pixels; the family stays the skin's.
void setFontPixelSize(QWidget *widget, int pixels);
