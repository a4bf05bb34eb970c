// The word base file: container (cipher, MAC, partial blocks), version test,
// the sections after the dictionary, and the load errors of broken files.
#include "dict/loaderror.h"
#include "payloadbuilder.h"
#include "wordbase/container.h"
#include "wordbase/wordbase.h"

#include <QTemporaryDir>
#include <QTest>

using namespace testbase;

namespace {

QString loadError(const QByteArray &file)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("brivela.dat"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(file) != file.size())
        return QStringLiteral("could not write the fixture");
    f.close();
    WordBaseFields fields;
    try {
        readWordBase(path, fields);
    } catch (const LoadError &e) {
        return e.message();
    }
    return {};
}

QString payloadError(const QByteArray &payload)
{
    WordBaseFields fields;
    try {
        readPayload(payload, fields);
    } catch (const LoadError &e) {
        return e.message();
    }
    return {};
}

const QString kDamaged = QStringLiteral("Файл brivela.dat поврежден");
const QString kOldBase = QStringLiteral("База слов brivela.dat устарела. Необходимо скачать новую версию.");
const QString kOldProgram = QStringLiteral("Исполняемый файл устарел. Необходимо скачать новую версию программы.");

} // namespace

class TestWordBase : public QObject
{
    Q_OBJECT

private slots:
    void loadsEveryField()
    {
        Payload p;
        p.smileys = "a\r\nb\nc\rd";
        p.anecdotes = {"first\r\nline two", "second"};
        p.banners = {Banner {tinyGif(), "h0", "l0"}, Banner {tinyGif(), "h1", ""}};
        p.refused = "x\r\ny\r\n";

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("brivela.dat"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(p.file());
        f.close();

        WordBaseFields fields;
        QStringList progress;
        readWordBase(path, fields, [&](const QString &t) { progress << t; });
        QCOMPARE(progress, (QStringList {"Opening file brivela.dat...", "Reading file brivela.dat...",
                                         "Checking file brivela.dat...", "Processing file brivela.dat...",
                                         "Checking version of brivela.dat...", "Loading words...", "Loading smileys...",
                                         "Loading acronyms...", "Loading users...", "Loading extensions...",
                                         "Loading anecdotes...", "Loading banners...", "Loading refused words..."}));
        QCOMPARE(fields.FEdition, 7);
        QCOMPARE(fields.FDictionary.WordCount(), 1);
        QCOMPARE(fields.FSmileys.count(), qsizetype(4));
        QCOMPARE(fields.FAcronyms.count(), qsizetype(0));
        QCOMPARE(fields.FAnecdoteCount, 2);
        QCOMPARE(fields.FAnecdotes.at(0), QByteArray("first\r\nline two"));
        QCOMPARE(fields.FBannerCount, 2);
        QCOMPARE(fields.FBanners.at(1).Image, tinyGif());
        QCOMPARE(fields.FBanners.at(1).Hint, QByteArray("h1"));
        QCOMPARE(fields.FBanners.at(0).Link, QByteArray("l0"));
        QCOMPARE(fields.FRefusedWords.lines(), (QList<QByteArray> {"x", "y"}));
        QCOMPARE(loadSummary(fields), QStringLiteral("7 edition, 1 words, 2 anecdotes"));
    }

    // Every payload length, so the last block is partial in every way: the file
    // stores exactly the payload's bytes and it reads back whole.
    void partialLastBlock()
    {
        const QByteArray base = Payload().bytes();
        for (int extra = 0; extra < 8; ++extra) {
            const QByteArray payload = base + QByteArray(extra, 'z');
            const QByteArray file = container::sealPayload(payload);
            QCOMPARE(file.size(), payload.size() + 8);
            QCOMPARE(container::openPayload(file), payload);
            QCOMPARE(loadError(file), QString()); // trailing bytes are ignored
        }
    }

    void damagedFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        const QByteArray good = Payload().file();
        QByteArray word1 = good;
        word1[5] = char(word1[5] ^ 1);
        QTest::newRow("MAC wrong in word 1 only") << word1 << kDamaged;
        QByteArray word0 = good;
        word0[0] = char(word0[0] ^ 0x80);
        QTest::newRow("MAC wrong in word 0") << word0 << kDamaged;
        QByteArray body = good;
        body[body.size() - 1] = char(body[body.size() - 1] ^ 1);
        QTest::newRow("last byte of a partial block") << body << kDamaged;
        QTest::newRow("cut short") << good.left(good.size() - 3) << kDamaged;
        QTest::newRow("empty file") << QByteArray() << LoadMessages::truncated();
        QTest::newRow("eight zero bytes") << QByteArray(8, '\0') << LoadMessages::truncated();
        QTest::newRow("three zero bytes") << QByteArray(3, '\0') << LoadMessages::truncated();
        QTest::newRow("short header not zero") << QByteArray("\0\0\1", 3) << kDamaged;
        QTest::newRow("eight bytes not zero") << QByteArray("\0\0\0\0\0\0\0\1", 8) << kDamaged;
    }

    void damagedFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        QCOMPARE(loadError(file), message);
    }

    void versions_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("message");
        QTest::newRow("0") << 0 << kOldBase;
        QTest::newRow("-1") << -1 << kOldBase;
        QTest::newRow("most negative") << int(INT32_MIN) << kOldBase;
        QTest::newRow("1") << 1 << QString();
        QTest::newRow("2") << 2 << kOldProgram;
    }

    void versions()
    {
        QFETCH(int, version);
        QFETCH(QString, message);
        Payload p;
        p.version = version;
        QCOMPARE(loadError(p.file()), message);
    }

    void missingFiles()
    {
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("brivela.dat"));
        WordBaseFields fields;
        for (const QString &path : {missing, dir.path()}) {
            try {
                readWordBase(path, fields);
                QFAIL("loaded a file that is not there");
            } catch (const LoadError &e) {
                QCOMPARE(e.message(), QStringLiteral("Cannot open file ") + path);
            }
        }
    }

    void countedTextEndsAtZero()
    {
        Payload p;
        p.smileys = QByteArray("a\nb\0c\nd", 7);
        p.anecdotes = {QByteArray("x\0y", 3)};
        WordBaseFields fields;
        readPayload(p.bytes(), fields);
        QCOMPARE(fields.FSmileys.lines(), (QList<QByteArray> {"a", "b"}));
        QCOMPARE(fields.FAnecdotes.at(0), QByteArray("x"));
    }

    void zeroAnecdotesAndBanners()
    {
        Payload p;
        p.anecdotes = {};
        p.banners = {};
        WordBaseFields fields;
        readPayload(p.bytes(), fields);
        QCOMPARE(fields.FAnecdoteCount, 0);
        QVERIFY(fields.FAnecdotes.empty());
        QCOMPARE(fields.FBannerCount, 0);
        QCOMPARE(loadSummary(fields), QStringLiteral("7 edition, 1 words, 0 anecdotes"));
    }

    void brokenPayloads_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QString>("message");
        auto with = [](auto change) {
            Payload p;
            change(p);
            return p.bytes();
        };
        const QByteArray good = Payload().bytes();
        const qsizetype afterDictionary = 8 + Payload().dictionary.size();

        QTest::newRow("empty payload") << QByteArray() << LoadMessages::truncated();
        QTest::newRow("no edition") << int32(1) << LoadMessages::truncated();
        QByteArray negText = good.left(afterDictionary) + int32(-1);
        QTest::newRow("negative text length") << negText << LoadMessages::negativeLength();
        QByteArray hugeText = good.left(afterDictionary) + int32(0x7fffffff) + "abc";
        QTest::newRow("huge text length") << hugeText << LoadMessages::lengthTooLarge();

        const QByteArray beforeAnecdotes
            = good.left(afterDictionary) + counted(":-)\tsmile") + counted("") + counted("") + counted("");
        QTest::newRow("negative anecdote count") << beforeAnecdotes + int32(-2) << LoadMessages::negativeLength();
        QTest::newRow("huge anecdote count")
            << beforeAnecdotes + int32(100000000) + counted("a") << LoadMessages::lengthTooLarge();
        const QByteArray beforeBanners = beforeAnecdotes + int32(0);
        QTest::newRow("negative banner count") << beforeBanners + int32(-1) << LoadMessages::negativeLength();
        QTest::newRow("huge banner count") << beforeBanners + int32(50000000) << LoadMessages::lengthTooLarge();
        QTest::newRow("negative image length")
            << beforeBanners + int32(1) + int32(-1) + QByteArray(20, 'x') << LoadMessages::negativeLength();
        QTest::newRow("image longer than the rest")
            << beforeBanners + int32(1) + int32(1000) + QByteArray(20, 'x') << QStringLiteral("Stream read error");

        const QString notGif = payloadError(with([](Payload &p) { p.banners = {Banner {"not a gif", "", ""}}; }));
        QVERIFY(!notGif.isEmpty());
        QVERIFY(notGif != QStringLiteral("Stream read error"));
        QTest::newRow("image is not a GIF") << with([](Payload &p) {
            p.banners = {Banner {"not a gif", "", ""}};
        }) << notGif;
        QTest::newRow("empty image") << with([](Payload &p) {
            p.banners = {Banner {"", "", ""}};
        }) << payloadError(with([](Payload &p) {
            p.banners = {Banner {"", "", ""}};
        }));
        QTest::newRow("truncated GIF") << with([](Payload &p) {
            p.banners = {Banner {tinyGif().left(20), "", ""}};
        }) << payloadError(with([](Payload &p) {
            p.banners = {Banner {tinyGif().left(20), "", ""}};
        }));
        QTest::newRow("no refused words") << good.left(good.size() - 7) << LoadMessages::truncated();
    }

    void brokenPayloads()
    {
        QFETCH(QByteArray, payload);
        QFETCH(QString, message);
        QVERIFY(!message.isEmpty());
        QCOMPARE(payloadError(payload), message);
    }

    // The declared size of a GIF decides: beyond the decoder's memory limit it is
    // refused with the decoder's message, however few bytes it has.
    void gifSizeLimit_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("loads");
        QTest::newRow("a banner") << 468 << 60 << true;
        QTest::newRow("1800 x 1800") << 1800 << 1800 << true;
        QTest::newRow("65535 x 1") << 65535 << 1 << true;
        QTest::newRow("2100 x 2100") << 2100 << 2100 << false;
        QTest::newRow("65535 x 65535") << 65535 << 65535 << false;
    }

    void gifSizeLimit()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, loads);
        Payload p;
        p.banners = {Banner {gifOfSize(width, height), "", ""}};
        QCOMPARE(payloadError(p.bytes()), loads ? QString() : QStringLiteral("Unable to read image data"));
    }

    // A payload cut anywhere is refused with a load error, never read past its end.
    void everyTruncationFails()
    {
        Payload p;
        p.acronyms = "A\tb";
        p.anecdotes = {"one", "two", ""};
        p.banners = {Banner {tinyGif(), "h", "l"}, Banner {tinyGif(), "", ""}};
        const QByteArray good = p.bytes();
        QCOMPARE(payloadError(good), QString());
        for (qsizetype n = 0; n < good.size(); ++n)
            QVERIFY2(!payloadError(good.left(n)).isEmpty(), qPrintable(QString::number(n)));
    }
};

QTEST_GUILESS_MAIN(TestWordBase)
#include "tst_wordbase.moc"
