#include "app/application.h"

#include "app/brivela.h"
#include "app/dialogautoclose.h"
#include "app/errorreport.h"
#include "app/singleinstance.h"
#include "view/skin.h"

BrivelaApplication::BrivelaApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Brivela"));
    // The display name is left to follow the application name: once set, Qt
    // appends it to every window title that does not end with it already.
    setOrganizationName(QStringLiteral("Quennic"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/brivela.png")));
}

bool BrivelaApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        showErrorReport(currentExceptionMessage());
        return false;
    }
}

int runBrivela(int argc, char **argv)
{
    // Before anything else: a second copy only wakes the first one and ends,
    // without a window and without reading the word base.
    SingleInstanceGuard guard(QStringLiteral("Brivela"));
    if (guard.AlreadyRunning())
        return 0;

    BrivelaApplication app(argc, argv);
    try {
        applySkin(app);
        DialogAutoCloser::installFromEnvironment();

        TBrivela window;
        QObject::connect(&window, &TBrivela::terminateRequested, &app, &QCoreApplication::quit, Qt::QueuedConnection);
        guard.listen([&window] { window.restoreWindow(); });
        window.show();
        app.exec();
        guard.ReleaseInstanceMutex();
    } catch (...) {
        guard.ReleaseInstanceMutex();
        showErrorReport(currentExceptionMessage());
    }
    return 0;
}
