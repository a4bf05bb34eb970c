// The real program as separate processes: one instance per user, a second
// start that wakes the first, load failures that end the program, and a
// killed instance that does not block the next start.
#include "app/brivela.h"
#include "app/singleinstance.h"
#include "testwordbase.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestProcess : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_runtime;
    QTemporaryDir m_programs;
    int m_copies = 0;
    std::vector<std::unique_ptr<QProcess>> m_running;

    static TestWordBase smallBase()
    {
        TestWordBase base;
        base.addWord(QStringLiteral("Б|аг"), base.addDescription({QStringLiteral(".Ошибка в программе")}));
        return base;
    }

    // A copy of the program in a folder of its own, beside `base` as
    // brivela.dat (none when base is null).
    QString install(const QByteArray &base)
    {
        const QString dir = m_programs.filePath(QString::number(++m_copies));
        QDir().mkpath(dir);
        const QString program = dir + QStringLiteral("/brivela");
        if (!QFile::copy(QStringLiteral(BRIVELA_EXECUTABLE), program))
            qFatal("cannot copy the program");
        QFile::setPermissions(program, QFile::permissions(QStringLiteral(BRIVELA_EXECUTABLE)));
        if (!base.isNull()) {
            QFile dat(dir + QStringLiteral("/brivela.dat"));
            if (!dat.open(QIODevice::WriteOnly) || dat.write(base) != base.size())
                qFatal("cannot write the word base");
        }
        return program;
    }

    QProcess *start(const QString &program)
    {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime->path());
        env.insert(QStringLiteral("BRIVELA_AUTOCLOSE_DIALOGS_MS"), QStringLiteral("300"));
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        process->setProcessEnvironment(env);
        process->start(program, {});
        if (!process->waitForStarted(5000))
            qFatal("the program did not start");
        m_running.push_back(std::move(process));
        return m_running.back().get();
    }

    // Waits until the instance holding the lock answers on its socket.
    bool waitUntilListening()
    {
        const QString server = SingleInstanceGuard(QStringLiteral("Brivela")).serverPath();
        return QTest::qWaitFor(
            [&] {
                QLocalSocket socket;
                socket.connectToServer(server);
                return socket.waitForConnected(100);
            },
            10000);
    }

    static bool finishes(QProcess *process, int ms)
    {
        return QTest::qWaitFor([&] { return process->state() == QProcess::NotRunning; }, ms);
    }

private slots:
    void init()
    {
        m_runtime = std::make_unique<QTemporaryDir>();
        QVERIFY(m_runtime->isValid());
        QFile::setPermissions(m_runtime->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", m_runtime->path().toLocal8Bit());
    }

    void cleanup()
    {
        for (auto &p : m_running) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(5000);
            }
        }
        m_running.clear();
    }

    // The second copy never reads a word base (it has none beside it, which
    // would show an error) and never makes a window: it wakes the first, ends
    // with 0 at once, and the first runs on.
    void secondStartEndsAtOnce()
    {
        QProcess *first = start(install(smallBase().file()));
        QVERIFY(waitUntilListening());

        QElapsedTimer clock;
        clock.start();
        QProcess *second = start(install(QByteArray()));
        QVERIFY(finishes(second, 5000));
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        QVERIFY2(second->readAllStandardError().indexOf("dialog closed") < 0, "the second copy showed a dialog");
        QCOMPARE(first->state(), QProcess::Running);
    }

    // The running instance (a window in this process) is asked to come back:
    // a minimised window is restored before the second copy ends.
    void secondStartRestoresTheFirstWindow()
    {
        SingleInstanceGuard guard(QStringLiteral("Brivela"));
        QVERIFY(!guard.AlreadyRunning());
        TestWordBase base = smallBase();
        const QString program = install(base.file());
        TBrivela window(QFileInfo(program).dir().filePath(QStringLiteral("brivela.dat")));
        window.show();
        QTRY_VERIFY(window.isLoaded());
        window.showMinimized();
        QTRY_VERIFY(window.isMinimized());
        guard.listen([&] { window.restoreWindow(); });

        QProcess *second = start(program);
        QVERIFY(finishes(second, 5000));
        QCOMPARE(second->exitCode(), 0);
        QVERIFY(!window.isMinimized());
        QVERIFY(window.isVisible());
    }

    void loadFailureEndsTheProgram_data()
    {
        QTest::addColumn<QByteArray>("base");
        QTest::addColumn<QByteArray>("message");

        QByteArray damaged = smallBase().file();
        damaged[9] = char(damaged[9] ^ 1);
        QTest::newRow("missing") << QByteArray() << QByteArray("dialog closed: Error: Cannot open file ");
        QTest::newRow("damaged") << damaged
                                 << QStringLiteral("dialog closed: Error: Файл brivela.dat поврежден").toUtf8();
        QTest::newRow("empty file") << QByteArray("")
                                    << QStringLiteral("dialog closed: Error: Файл brivela.dat поврежден").toUtf8();
    }

    // The message is shown (and closed by the test hook), then the program
    // ends by itself with 0, and the next start is not blocked.
    void loadFailureEndsTheProgram()
    {
        QFETCH(QByteArray, base);
        QFETCH(QByteArray, message);

        QProcess *failing = start(install(base));
        QVERIFY(finishes(failing, 20000));
        const QByteArray err = failing->readAllStandardError();
        QCOMPARE(failing->exitStatus(), QProcess::NormalExit);
        QVERIFY2(failing->exitCode() == 0, err.constData());
        QVERIFY2(err.contains(message), err.constData());
        QCOMPARE(err.count("dialog closed"), 1);

        SingleInstanceGuard next(QStringLiteral("Brivela"));
        QVERIFY(!next.CreateInstanceMutex());
    }

    // A lock left by a killed instance does not keep the next start from
    // running as the first instance.
    void killedInstanceDoesNotBlock()
    {
        const QString program = install(smallBase().file());
        QProcess *first = start(program);
        QVERIFY(waitUntilListening());
        first->kill();
        QVERIFY(first->waitForFinished(5000));
        QVERIFY(QFile::exists(SingleInstanceGuard(QStringLiteral("Brivela")).lockPath()));

        QProcess *next = start(program);
        QVERIFY(waitUntilListening());
        QTest::qWait(500);
        QCOMPARE(next->state(), QProcess::Running);

        QProcess *third = start(program);
        QVERIFY(finishes(third, 5000));
        QCOMPARE(third->exitCode(), 0);
        QCOMPARE(next->state(), QProcess::Running);
    }
};

QTEST_MAIN(TestProcess)
#include "tst_process.moc"
