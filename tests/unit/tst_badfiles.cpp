// Bad word base files loaded end to end by the real executables, brivela-base
// check and the program: each must end in its own message and a clean exit,
// never in a crash, a hang or a half-done load.
#include "badwordbases.h"
#include "wordbase/wordbase.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace testbase;

namespace {

struct Run {
    bool finished = false;
    QProcess::ExitStatus status = QProcess::CrashExit;
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs a program; as root, without the right to bypass file permissions, so
// that an unreadable file is unreadable here too.
Run run(const QString &program, const QStringList &args, const QProcessEnvironment &env = {})
{
    QString command = program;
    QStringList arguments = args;
    if (geteuid() == 0) {
        const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
        if (!setpriv.isEmpty()) {
            arguments = QStringList {"--bounding-set=-dac_override,-dac_read_search", program} + args;
            command = setpriv;
        }
    }
    QProcess p;
    if (!env.isEmpty())
        p.setProcessEnvironment(env);
    p.start(command, arguments);
    Run r;
    r.finished = p.waitForFinished(120000);
    r.status = p.exitStatus();
    r.exitCode = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    if (!r.finished)
        p.kill();
    return r;
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// What stands at <dir>/brivela.dat for a case the table of files cannot hold.
enum class Special { None, Missing, Directory, Unreadable, TooLarge };

// Puts the case at `path`; an empty result when it is there, else why not.
QString prepare(Special special, const QByteArray &file, const QString &path)
{
    switch (special) {
    case Special::None:
        return write(path, file) ? QString() : QStringLiteral("cannot write the fixture");
    case Special::Missing:
        return QString();
    case Special::Directory:
        return QDir().mkdir(path) ? QString() : QStringLiteral("cannot make the folder");
    case Special::Unreadable:
        if (!write(path, file) || !QFile::setPermissions(path, {}))
            return QStringLiteral("cannot write the fixture");
        return QString();
    case Special::TooLarge: {
        QFile f(path);
        // Sparse: costs no disk.
        return f.open(QIODevice::WriteOnly) && f.resize(MaxWordBaseSize + 1)
                   ? QString()
                   : QStringLiteral("cannot size the fixture");
    }
    }
    return QStringLiteral("unknown case");
}

bool rootWithoutSetpriv()
{
    return geteuid() == 0 && QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty();
}

} // namespace

class TestBadFiles : public QObject
{
    Q_OBJECT

    QTemporaryDir m_program; // a copy of the program, beside which each case is put
    QTemporaryDir m_runtime; // XDG_RUNTIME_DIR: its own single-instance lock
    QTemporaryDir m_config; // XDG_CONFIG_HOME: where nothing may be written

    // Every case: what stands at brivela.dat and the message its load ends in
    // ("%1" is the file's full path).
    static void cases()
    {
        QTest::addColumn<int>("special");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        const QString cannotOpen = QStringLiteral("Cannot open file %1");
        QTest::newRow("missing") << int(Special::Missing) << QByteArray() << cannotOpen;
        QTest::newRow("directory") << int(Special::Directory) << QByteArray() << cannotOpen;
        QTest::newRow("unreadable") << int(Special::Unreadable) << Payload().file() << cannotOpen;
        QTest::newRow("larger than a word base can be")
            << int(Special::TooLarge) << QByteArray() << QStringLiteral("Файл brivela.dat слишком велик");
        for (const BadWordBase &bad : badWordBases())
            QTest::newRow(qPrintable(bad.name)) << int(Special::None) << bad.file << bad.message;
    }

    QString programPath() const { return m_program.filePath(QStringLiteral("brivela")); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_program.isValid() && m_runtime.isValid() && m_config.isValid());
        QVERIFY(QFile::copy(QStringLiteral(BRIVELA_EXECUTABLE), programPath()));
        QVERIFY(QFile::setPermissions(programPath(), QFile::permissions(QStringLiteral(BRIVELA_EXECUTABLE))));
        QVERIFY(QFile::setPermissions(m_runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }

    void checkRefuses_data() { cases(); }

    // brivela-base check loads exactly as the program does.
    void checkRefuses()
    {
        QFETCH(int, special);
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        if (Special(special) == Special::Unreadable && rootWithoutSetpriv())
            QSKIP("root reads any file, and setpriv is not there to drop that right");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("brivela.dat"));
        const QString notReady = prepare(Special(special), file, path);
        QVERIFY2(notReady.isEmpty(), qPrintable(notReady));

        const Run r = run(QStringLiteral(BRIVELA_TOOL), {"check", path});
        QVERIFY(r.finished);
        QCOMPARE(r.status, QProcess::NormalExit);
        QCOMPARE(QString::fromUtf8(r.err).trimmed(), QString(message).replace(QLatin1String("%1"), path));
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.out.isEmpty());
    }

    void programRefuses_data() { cases(); }

    // The program shows the message in its one error dialog and, once that is
    // closed, ends normally with 0, having written nothing.
    void programRefuses()
    {
        QFETCH(int, special);
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        if (Special(special) == Special::Unreadable && rootWithoutSetpriv())
            QSKIP("root reads any file, and setpriv is not there to drop that right");
        const QString path = m_program.filePath(QStringLiteral("brivela.dat"));
        QFile::remove(path);
        QDir(path).removeRecursively();
        const QString notReady = prepare(Special(special), file, path);
        QVERIFY2(notReady.isEmpty(), qPrintable(notReady));

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
        env.insert(QStringLiteral("BRIVELA_AUTOCLOSE_DIALOGS_MS"), QStringLiteral("50"));
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        const Run r = run(programPath(), {}, env);
        QVERIFY(r.finished);
        QCOMPARE(r.status, QProcess::NormalExit);
        QVERIFY2(r.exitCode == 0, r.err.constData());
        const QString err = QString::fromUtf8(r.err);
        QCOMPARE(err.count(QStringLiteral("dialog closed: ")), 1);
        const QString shown = QString(message).replace(QLatin1String("%1"), path);
        QVERIFY2(err.contains(QStringLiteral(": ") + shown + QLatin1Char('\n')), qPrintable(err));

        QCOMPARE(QDir(m_config.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList());
        QStringList expected {"brivela"};
        if (Special(special) != Special::Missing)
            expected << "brivela.dat";
        QCOMPARE(QDir(m_program.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), expected);
    }
};

QTEST_GUILESS_MAIN(TestBadFiles)
#include "tst_badfiles.moc"
