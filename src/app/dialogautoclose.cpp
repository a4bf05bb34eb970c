#include "app/dialogautoclose.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

DialogAutoCloser::DialogAutoCloser(int delayMs, QObject *parent) : QObject(parent), m_delayMs(delayMs)
{
    qApp->installEventFilter(this);
}

DialogAutoCloser::~DialogAutoCloser()
{
    // As a child of the application it goes after the application is gone.
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

void DialogAutoCloser::installFromEnvironment()
{
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("BRIVELA_AUTOCLOSE_DIALOGS_MS", &ok);
    if (!ok || ms < 0)
        return;
    auto *closer = new DialogAutoCloser(ms, qApp);
    closer->setEcho(true);
}

bool DialogAutoCloser::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Show || !watched->isWidgetType())
        return false;
    auto *dialog = qobject_cast<QDialog *>(watched);
    if (!dialog || !dialog->isModal())
        return false;
    QPointer<QDialog> target(dialog);
    QTimer::singleShot(m_delayMs, this, [this, target] {
        if (!target || !target->isVisible())
            return;
        QString note = target->windowTitle();
        if (auto *box = qobject_cast<QMessageBox *>(target.data())) {
            note += QStringLiteral(": ") + box->text();
            m_closed.append(note);
            if (m_echo)
                std::fprintf(stderr, "dialog closed: %s\n", note.toUtf8().constData());
            QAbstractButton *button = box->defaultButton();
            if (!button && !box->buttons().isEmpty())
                button = box->buttons().constFirst();
            if (button) {
                button->click();
                return;
            }
        } else {
            m_closed.append(note);
            if (m_echo)
                std::fprintf(stderr, "dialog closed: %s\n", note.toUtf8().constData());
        }
        target->accept();
    });
    return false;
}
