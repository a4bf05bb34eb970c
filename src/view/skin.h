#pragma once

class QApplication;

// Puts the PlexXP skin on the whole application: the Fusion style with one
// stylesheet, so every window, dialog and message box wears it, and the
// application font.
void applySkin(QApplication &app);
