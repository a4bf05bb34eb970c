// brivela-base check and dump, run as a user would run them.
#include "payloadbuilder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace testbase;

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run tool(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(BRIVELA_TOOL), args);
    p.waitForFinished(30000);
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

QString writeFile(const QTemporaryDir &dir, const QByteArray &bytes)
{
    const QString path = dir.filePath(QStringLiteral("brivela.dat"));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

} // namespace

class TestToolRead : public QObject
{
    Q_OBJECT

private slots:
    void checkPrintsTheSummary()
    {
        QTemporaryDir dir;
        const Run r = tool({"check", writeFile(dir, Payload().file())});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QByteArray("7 edition, 1 words, 2 anecdotes\n"));
    }

    void checkRefusesDamagedFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        QByteArray flipped = Payload().file();
        flipped[10] = char(flipped[10] ^ 1);
        QTest::newRow("damaged") << flipped << QStringLiteral("Файл brivela.dat поврежден");
        Payload v2;
        v2.version = 2;
        QTest::newRow("newer format") << v2.file()
                                      << QStringLiteral(
                                             "Исполняемый файл устарел. Необходимо скачать новую версию программы.");
    }

    void checkRefusesDamagedFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const Run r = tool({"check", writeFile(dir, file)});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.out.isEmpty());
        QCOMPARE(QString::fromUtf8(r.err).trimmed(), message);
    }

    void dumpPrintsEverything()
    {
        Payload p;
        // A justified line: text, space, a link whose text holds a NUL, an indent.
        p.dictionary = section({QByteArray("\x02"
                                           "ab ~\x05\0\0\0x\0y~\t\0",
                                           15)},
                               {{0, "\xD5|\xE0\xEA"}, {0, "q"}});
        p.acronyms = "\xC0\xC1\tb\r\nc";
        QTemporaryDir dir;
        const Run r = tool({"dump", writeFile(dir, p.file())});
        QCOMPARE(r.exitCode, 0);
        QJsonParseError error;
        const QJsonObject o = QJsonDocument::fromJson(r.out, &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(o.value("version").toInt(), 1);
        QCOMPARE(o.value("edition").toInt(), 7);
        const QJsonObject line = o.value("descriptions")[0]["lines"][0].toObject();
        QCOMPARE(line.value("justify").toInt(), 2);
        const QJsonArray elements = line.value("elements").toArray();
        QCOMPARE(elements.size(), 4);
        QCOMPARE(elements[0]["type"].toString(), QStringLiteral("text"));
        QCOMPARE(elements[0]["text"].toString(), QStringLiteral("ab"));
        QCOMPARE(elements[1]["type"].toString(), QStringLiteral("space"));
        QCOMPARE(elements[2]["type"].toString(), QStringLiteral("link"));
        QCOMPARE(elements[2]["word_id"].toInt(), 5);
        QCOMPARE(elements[2]["text"].toString(), QString::fromUtf8("x\0y", 3));
        QCOMPARE(elements[3]["type"].toString(), QStringLiteral("indent"));
        const QJsonArray synonyms = o.value("descriptions")[0]["synonyms"].toArray();
        QCOMPARE(synonyms.size(), 2);
        QCOMPARE(synonyms[0]["word_id"].toInt(), 1); // the '@' bucket comes first
        QCOMPARE(synonyms[1]["text"].toString(), QStringLiteral("Хак"));
        const QJsonArray words = o.value("words").toArray();
        QCOMPARE(words[0]["caption"].toString(), QStringLiteral("Х|ак"));
        QCOMPARE(words[0]["letter"].toInt(), 0xD5);
        QCOMPARE(words[1]["desc_index"].toInt(), 0);
        QCOMPARE(o.value("tabs").toArray(), (QJsonArray {"@", "Х"}));
        QCOMPARE(o.value("acronyms").toArray(), (QJsonArray {"АБ\tb", "c"}));
        QCOMPARE(o.value("anecdotes").toArray(), (QJsonArray {"one", "two"}));
        QCOMPARE(o.value("banners")[0]["image_size"].toInt(), int(tinyGif().size()));
        QCOMPARE(o.value("banners")[0]["link"].toString(), QStringLiteral("https://brivela.example/"));
        QCOMPARE(o.value("refused_words").toArray(), (QJsonArray {"bad"}));
        for (const char *key : {"users", "extensions", "smileys"})
            QVERIFY(o.value(key).isArray());
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no command") << QStringList {};
        QTest::newRow("unknown command") << QStringList {"frobnicate"};
        QTest::newRow("check without file") << QStringList {"check"};
        QTest::newRow("dump with two files") << QStringList {"dump", "a", "b"};
    }

    void usageErrors()
    {
        QFETCH(QStringList, args);
        const Run r = tool(args);
        QCOMPARE(r.exitCode, 2);
        QVERIFY(!r.err.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestToolRead)
#include "tst_tool_read.moc"
