#pragma once

#include <QObject>

#include <functional>

class QSystemTrayIcon;
class QWidget;

// Hides a minimised window behind a notification-area icon and brings it back
// on request. Where the desktop has no notification area, minimising stays
// plain minimising, so the window never disappears without a way back.
class TrayMode : public QObject
{
    Q_OBJECT

public:
    // `icon` shows while the window is hidden; `trayAvailable` is asked at
    // every minimise, since a tray host may come and go during the run.
    TrayMode(QWidget *window, QSystemTrayIcon *icon, std::function<bool()> trayAvailable = defaultTrayCheck(),
             QObject *parent = nullptr);

    static std::function<bool()> defaultTrayCheck();
    void setTrayCheck(std::function<bool()> trayAvailable) { m_trayAvailable = std::move(trayAvailable); }

    // The window has just become minimised, by whatever way; it is hidden
    // behind the icon as soon as the event loop runs again.
    void windowMinimized();
    // Shows the window, takes it out of the minimised state, removes the icon
    // and raises the window. Harmless while the window is shown.
    void restore();
    // The window became active again by some other way than restore(): the
    // icon has nothing left to bring back.
    void windowActivated();

    bool isHiddenInTray() const { return m_hidden; }

private:
    QWidget *m_window;
    QSystemTrayIcon *m_icon;
    std::function<bool()> m_trayAvailable;
    bool m_hidden = false;
    bool m_busy = false;
    bool m_hidePending = false;
};
