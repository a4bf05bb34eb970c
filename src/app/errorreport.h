#pragma once

#include <QString>

class QWidget;

// The application's standard error report: a message box captioned "Brivela"
// with an error icon and OK. The text gets a full stop when its last character
// sorts after ".".
QString errorReportText(const QString &message);
void showErrorReport(const QString &message, QWidget *parent = nullptr);

// Runs a handler; an exception that escapes it is shown in the standard error
// report and the program goes on.
template <typename Handler> void runReportingErrors(Handler &&handler);

// The message of the exception being handled (empty for one that is not a
// std::exception).
QString currentExceptionMessage();

template <typename Handler> void runReportingErrors(Handler &&handler)
{
    try {
        handler();
    } catch (...) {
        showErrorReport(currentExceptionMessage());
    }
}
