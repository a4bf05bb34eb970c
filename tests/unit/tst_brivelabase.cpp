// The brivela-base tool as its users run it: commands, exit codes, where the
// output goes, and the bundled word base.
#include "wordbasefixture.h"

#include "wordbase/container.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace fixture;

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run brivelaBase(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral(BRIVELA_BASE_EXE), args);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

class TestBrivelaBase : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void usage_data();
    void usage();
    void buildCheckShowUnpack();
    void brokenSourceWritesNothing();
    void bundledWordBase();

private:
    QTemporaryDir m_temp;
    QString m_base; // a small word base with one warning
};

void TestBrivelaBase::initTestCase()
{
    QVERIFY(m_temp.isValid());
    Files files = minimalSource();
    files["words/a.txt"] = "@ Х|акер\n@ Х|ацкер\n> \tЗнаток [компьютеров](#7).\n\n@ Б|аг\n. Ошибка.\n";
    QVERIFY(writeFiles(m_temp.filePath("src"), files));
    m_base = m_temp.filePath("small.dat");
    const Run built = brivelaBase({"build", m_temp.filePath("src"), "-o", m_base});
    QCOMPARE(built.err, QString());
    QCOMPARE(built.exitCode, 0);
    QCOMPARE(built.out, m_base + ": 1 edition, 3 words, 0 anecdotes\n");
}

void TestBrivelaBase::usage_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<bool>("onStdout"); // where the text goes: stdout, else stderr
    QTest::addColumn<QString>("text");

    QTest::newRow("no arguments") << QStringList {} << 2 << false << "Usage: brivela-base COMMAND";
    QTest::newRow("tool help") << QStringList {"--help"} << 0 << true << "unpack";
    QTest::newRow("build help") << QStringList {"build", "--help"} << 0 << true
                                << "Usage: brivela-base build SRC -o FILE";
    QTest::newRow("unpack help") << QStringList {"unpack", "-h"} << 0 << true
                                 << "Usage: brivela-base unpack FILE -o SRC";
    QTest::newRow("check help") << QStringList {"check", "--help"} << 0 << true << "Usage: brivela-base check FILE";
    QTest::newRow("show help") << QStringList {"show", "--help"} << 0 << true << "Usage: brivela-base show FILE TEXT";
    QTest::newRow("dump help") << QStringList {"dump", "--help"} << 0 << true << "Usage: brivela-base dump FILE";
    QTest::newRow("unknown command") << QStringList {"frobnicate"} << 2 << false << "unknown command";
    QTest::newRow("build without -o") << QStringList {"build", "src"} << 2 << false << "-o";
    QTest::newRow("build without SRC") << QStringList {"build", "-o", "x.dat"} << 2 << false << "Usage";
    QTest::newRow("unpack without -o") << QStringList {"unpack", "x.dat"} << 2 << false << "Usage";
    QTest::newRow("check with two files") << QStringList {"check", "a", "b"} << 2 << false << "Usage";
    QTest::newRow("unknown option") << QStringList {"check", "--bogus", "a"} << 2 << false << "bogus";
    QTest::newRow("show without TEXT") << QStringList {"show", "a"} << 2 << false << "Usage";
    QTest::newRow("check of a missing file") << QStringList {"check", "/nonexistent/brivela.dat"} << 1 << false
                                             << "Cannot open file /nonexistent/brivela.dat";
    QTest::newRow("unpack of a missing file")
        << QStringList {"unpack", "/nonexistent/b.dat", "-o", "/nonexistent/src"} << 1 << false << "Cannot open file";
    // A device has no size and may never end: read only up to the limit.
    QTest::newRow("check of an endless device")
        << QStringList {"check", "/dev/zero"} << 1 << false << "Файл brivela.dat слишком велик";
    QTest::newRow("unpack of an endless device") << QStringList {"unpack", "/dev/zero", "-o", "/nonexistent/src"} << 1
                                                 << false << "Файл brivela.dat слишком велик";
    QTest::newRow("build of a missing folder")
        << QStringList {"build", "/nonexistent/src", "-o", "/nonexistent/b.dat"} << 1 << false << "/nonexistent/src";
}

void TestBrivelaBase::usage()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(bool, onStdout);
    QFETCH(QString, text);
    const Run run = brivelaBase(args);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2((onStdout ? run.out : run.err).contains(text), qPrintable(run.out + run.err));
    QVERIFY2((onStdout ? run.err : run.out).isEmpty(), qPrintable(run.out + run.err));
}

void TestBrivelaBase::buildCheckShowUnpack()
{
    const Run check = brivelaBase({"check", m_base});
    QCOMPARE(check.exitCode, 0);
    QCOMPARE(check.out, QString("1 edition, 3 words, 0 anecdotes\n"));
    QCOMPARE(check.err.count('\n'), 1);
    QVERIFY2(check.err.startsWith("warning: ") && check.err.contains("word id 7"), qPrintable(check.err));

    const Run show = brivelaBase({"show", m_base, "ХАЦ"});
    QCOMPARE(show.exitCode, 0);
    QCOMPARE(show.out, QString::fromUtf8("Ха\u0301цкер\n\n    Знаток [компьютеров].\n\nСинонимы:\n[Хакер]\n"));
    QCOMPARE(show.err, QString());

    const Run noTab = brivelaBase({"show", m_base, "юзер"});
    QCOMPARE(noTab.exitCode, 1);
    QCOMPARE(noTab.out, QString());
    QVERIFY2(noTab.err.contains("Ю"), qPrintable(noTab.err));

    const Run notCp1251 = brivelaBase({"show", m_base, "✓"});
    QCOMPARE(notCp1251.exitCode, 1);
    QVERIFY(notCp1251.err.contains("Windows-1251"));

    const QString src = m_temp.filePath("unpacked");
    const Run unpack = brivelaBase({"unpack", m_base, "-o", src});
    QCOMPARE(unpack.exitCode, 0);
    QCOMPARE(unpack.err, QString());
    QVERIFY(QFileInfo(src + "/words/02-b.txt").isFile());
    const Run again = brivelaBase({"unpack", m_base, "-o", src});
    QCOMPARE(again.exitCode, 1);
    QVERIFY(again.err.contains("not an empty folder"));

    const QString rebuilt = m_temp.filePath("rebuilt.dat");
    QCOMPARE(brivelaBase({"build", src, "-o", rebuilt}).exitCode, 0);
    QCOMPARE(readFile(rebuilt), readFile(m_base));
}

void TestBrivelaBase::brokenSourceWritesNothing()
{
    QTemporaryDir temp;
    Files files = minimalSource();
    files["words/a.txt"] = "@ А\n. [Б]\n";
    QVERIFY(writeFiles(temp.filePath("src"), files));
    const Run run = brivelaBase({"build", temp.filePath("src"), "-o", temp.filePath("out.dat")});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out, QString());
    QVERIFY2(run.err.startsWith(temp.filePath("src/words/a.txt") + ":2:4: "), qPrintable(run.err));
    QVERIFY(!QFileInfo::exists(temp.filePath("out.dat")));
}

void TestBrivelaBase::bundledWordBase()
{
    QTemporaryDir temp;
    const QString first = temp.filePath("first.dat");
    const QString second = temp.filePath("second.dat");
    for (const QString &out : {first, second}) {
        const Run run = brivelaBase({"build", BRIVELA_WORDBASE_DIR, "-o", out});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    }
    QVERIFY(!readFile(first).isEmpty());
    QCOMPARE(readFile(first), readFile(second));
    // The build's own brivela.dat is the same file.
    QCOMPARE(readFile(BRIVELA_BUNDLED_DAT), readFile(first));

    const Run check = brivelaBase({"check", first});
    QCOMPARE(check.exitCode, 0);
    QCOMPARE(check.err, QString());
}

QTEST_GUILESS_MAIN(TestBrivelaBase)
#include "tst_brivelabase.moc"
