// The standard error report: an exception that escapes a handler is shown in
// a "Brivela" error box, and the event loop goes on.
#include "app/application.h"
#include "app/dialogautoclose.h"
#include "app/errorreport.h"
#include "dict/loaderror.h"

#include <QTest>
#include <QTimer>

#include <stdexcept>

namespace {

// Throws from its event handler, as a faulty handler of the program would.
class Throwing : public QObject
{
public:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User)
            throw std::runtime_error("Something broke");
        if (e->type() == QEvent::User + 1)
            throw LoadError(QStringLiteral("Ошибка"));
        if (e->type() == QEvent::User + 2)
            throw 42;
        return QObject::event(e);
    }
};

} // namespace

class TestErrorReport : public QObject
{
    Q_OBJECT

private slots:
    void text_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a full stop is added") << QStringLiteral("Disk full") << QStringLiteral("Disk full.");
        QTest::newRow("Cyrillic") << QStringLiteral("Ошибка") << QStringLiteral("Ошибка.");
        QTest::newRow("already ends with one") << QStringLiteral("Done.") << QStringLiteral("Done.");
        QTest::newRow("sorts before the stop") << QStringLiteral("Stop!") << QStringLiteral("Stop!");
        QTest::newRow("sorts after the stop") << QStringLiteral("Why?") << QStringLiteral("Why?.");
        QTest::newRow("empty") << QString() << QString();
    }

    void text()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(errorReportText(message), shown);
    }

    void escapedExceptionsAreReported_data()
    {
        QTest::addColumn<int>("event");
        QTest::addColumn<QString>("shown");
        QTest::newRow("std::exception") << int(QEvent::User) << QStringLiteral("Brivela: Something broke.");
        QTest::newRow("load error") << int(QEvent::User + 1) << QStringLiteral("Brivela: Ошибка.");
        QTest::newRow("anything else") << int(QEvent::User + 2) << QStringLiteral("Brivela: ");
    }

    // The exception escapes to the application object, which reports it; the
    // loop then delivers the next event.
    void escapedExceptionsAreReported()
    {
        QFETCH(int, event);
        QFETCH(QString, shown);
        DialogAutoCloser closer(0);
        Throwing thrower;
        bool ranAfter = false;
        QCoreApplication::postEvent(&thrower, new QEvent(QEvent::Type(event)));
        QTimer::singleShot(0, [&] { ranAfter = true; });
        QTRY_VERIFY(ranAfter);
        QCOMPARE(closer.closed(), QStringList {shown});
    }

    void handlerWrapperReports()
    {
        DialogAutoCloser closer(0);
        bool after = false;
        runReportingErrors([] { throw std::runtime_error("Bad handler"); });
        runReportingErrors([&] { after = true; });
        QVERIFY(after);
        QCOMPARE(closer.closed(), QStringList {QStringLiteral("Brivela: Bad handler.")});
    }
};

int main(int argc, char **argv)
{
    BrivelaApplication app(argc, argv);
    TestErrorReport test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_errorreport.moc"
