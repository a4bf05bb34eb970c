#pragma once

#include <QApplication>

// The application object: an exception that escapes an event handler ends up
// here, is shown in the standard error report, and the loop goes on.
class BrivelaApplication : public QApplication
{
    Q_OBJECT

public:
    BrivelaApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};

// The whole program: the single-instance guard, the windows, the message loop.
int runBrivela(int argc, char **argv);
