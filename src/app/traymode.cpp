#include "app/traymode.h"

#include <QSystemTrayIcon>
#include <QWidget>

TrayMode::TrayMode(QWidget *window, QSystemTrayIcon *icon, std::function<bool()> trayAvailable, QObject *parent)
    : QObject(parent), m_window(window), m_icon(icon), m_trayAvailable(std::move(trayAvailable))
{
}

std::function<bool()> TrayMode::defaultTrayCheck()
{
    return [] { return QSystemTrayIcon::isSystemTrayAvailable(); };
}

void TrayMode::windowMinimized()
{
    if (m_busy || m_hidden || m_hidePending || !m_trayAvailable())
        return;
    // Hidden once the minimise request has run its course: whoever asked for
    // it may still show the window as part of it (showMinimized() does).
    m_hidePending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_hidePending = false;
            if (!m_window->isMinimized() || m_hidden)
                return;
            m_icon->show();
            m_busy = true;
            m_window->hide();
            m_busy = false;
            m_hidden = true;
        },
        Qt::QueuedConnection);
}

void TrayMode::restore()
{
    m_busy = true;
    // Leaves the minimised state before mapping, so the window comes back
    // as it was rather than as an icon.
    m_window->showNormal();
    m_icon->hide();
    m_hidden = false;
    m_window->raise();
    m_window->activateWindow();
    m_busy = false;
}

void TrayMode::windowActivated()
{
    if (m_busy || !m_window->isVisible() || m_window->isMinimized())
        return;
    m_icon->hide();
    m_hidden = false;
}
