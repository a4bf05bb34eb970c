#pragma once

class QApplication;

// Puts the PlexXP skin on the whole application: the Fusion style with one
// stylesheet, so every window, dialog and message box wears it.
void applySkin(QApplication &app);
