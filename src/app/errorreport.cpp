#include "app/errorreport.h"

#include "dict/loaderror.h"

#include <QApplication>
#include <QMessageBox>

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
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Brivela"), errorReportText(message), QMessageBox::Ok,
                    parent);
    box.exec();
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
