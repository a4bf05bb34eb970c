#include "app/errorreport.h"

#include "dict/loaderror.h"
#include "forms/messagebox.h"

#include <QApplication>

#include <exception>

QString errorReportText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void showErrorReport(const QString &message, QWidget *parent)
{
    if (!parent)
        parent = QApplication::activeWindow();
    ShowMessageWithCaption(parent, errorReportText(message), "Brivela", QMessageBox::Ok, QMessageBox::Critical);
}

QString currentExceptionMessage()
{
    try {
        throw;
    } catch (const LoadError &e) {
        return e.message();
    } catch (const std::exception &e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return {};
    }
}
