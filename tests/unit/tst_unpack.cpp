// unpack then build gives back the identical word base, for every base that loads.
#include "wordbasefixture.h"

#include "compiler.h"
#include "dict/loaderror.h"
#include "unpacker.h"
#include "wordbase/container.h"

#include <QTemporaryDir>
#include <QTest>

#include <climits>

using namespace fixture;

namespace {

// Text of one description: lines as given (flag byte first), joined by LF, ended by NUL.
QByteArray description(std::initializer_list<QByteArray> lines)
{
    QByteArray out;
    for (const QByteArray &line : lines) {
        if (!out.isEmpty())
            out += '\n';
        out += line;
    }
    return out + '\0';
}

QByteArray flag(uint8_t f) { return QByteArray(1, char(f)); }

} // namespace

class TestUnpack : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void commonCaseReadsPlainly();
    void unusualTextsUseTheExactForms();
    void refusesBasesThatDoNotLoad();
    void refusesFolderThatIsNotEmpty();
};

void TestUnpack::roundTrip_data()
{
    QTest::addColumn<QByteArray>("payload");

    const Payload plain;
    QTest::newRow("ordinary") << plain.bytes();

    {
        Payload p;
        p.dictionary = section({description({flag(2) + "a", flag(0xFF) + "b", flag('\n') + "c", flag(0) + "d",
                                             flag('\t') + "e", flag('~') + "f", flag(' '), flag('|')})},
                               {headword(0, "A")});
        QTest::newRow("unusual flag bytes") << p.bytes();
    }
    {
        Payload p;
        p.dictionary = section({description({flag(1) + "a\rb | c@d @ |x| \r", flag(0) + "\r", flag(0) + "#1 \\ \\n"})},
                               {headword(0, "@A|b")});
        QTest::newRow("CR, | and @ and backslash in text") << p.bytes();
    }
    {
        Payload p;
        p.dictionary = section(
            {description({flag(1) + linkTo(0, "two words") + ' ' + linkTo(0, "line\nbreak")
                          + linkTo(0, QByteArray("nul\0in", 6)) + linkTo(0, "tab\there") + linkTo(0, " [x] (y) \\ ")
                          + linkTo(0, "\r") + "(after)" + linkTo(0, "A") + "(a)"})},
            {headword(0, "A")});
        QTest::newRow("links whose text holds spaces, LF, NUL and brackets") << p.bytes();
    }
    {
        Payload p;
        p.dictionary = section({description({flag(0) + linkTo(0, "") + linkTo(1, "") + " " + linkTo(-1, "")})},
                               {headword(0, ""), headword(0, "B")});
        QTest::newRow("empty link texts") << p.bytes();
    }
    {
        Payload p;
        p.dictionary = section({description({flag(0) + linkTo(999, "far") + linkTo(-1, "smileys") + linkTo(-5, "minus")
                                             + linkTo(INT_MIN, "min") + linkTo(INT_MAX, "max")
                                             + linkTo(0x7E0A007E, "id bytes ~ LF NUL") + linkTo(1, "one past")})},
                               {headword(0, "A")});
        QTest::newRow("links to ids that no headword has") << p.bytes();
    }
    {
        Payload p;
        p.dictionary
            = section({description({flag(0) + linkTo(0, "\xE0") + linkTo(1, "\xE0") + linkTo(2, "b") + linkTo(1, "x")}),
                       description({flag(0) + "x"})},
                      {headword(0, "\xC0"), headword(1, "|\xE0"), headword(1, "B")});
        QTest::newRow("links to headwords that share a caption") << p.bytes();
    }
    {
        Payload p;
        p.dictionary = section({description({flag(0) + "unused first"}), description({flag(1) + "used"}),
                                description({flag(0) + "unused last", flag(0)})},
                               {headword(1, "A")});
        QTest::newRow("descriptions that no headword uses") << p.bytes();
    }
    {
        Payload p;
        p.dictionary = section({description({flag(0) + "only"}), description({flag(0)})}, {});
        QTest::newRow("no headwords at all") << p.bytes();
    }
    {
        Payload p;
        p.dictionary = section({}, {});
        QTest::newRow("empty dictionary") << p.bytes();
    }
    {
        Payload p;
        p.dictionary = section({description({flag(0) + "x"}), description({flag(0) + "y"})},
                               {headword(1, "\xDF"), headword(0, "\xC2"), headword(1, "\xC0\xE1"), headword(0, "z"),
                                headword(0, "\xC0"), headword(1, "1")});
        QTest::newRow("headwords in any order") << p.bytes();
    }
    {
        Payload p;
        p.dictionary = section({description({flag(0) + "x"}), description({flag(0) + "y"})},
                               {headword(0, "\xC0"), headword(1, "\xC0\xE1"), headword(0, "\xC0")});
        QTest::newRow("one headword twice on a card") << p.bytes();
    }
    {
        Payload p;
        p.dictionary = section({description({flag(0) + "x"}), description({flag(0) + "y"})},
                               {headword(0, "\xC0|\xE1"), headword(1, "\xC0\xE1|")});
        QTest::newRow("one headword on two cards") << p.bytes();
    }
    {
        Payload p;
        p.dictionary = section({description({flag(0) + "x"})},
                               {headword(0, ""), headword(0, "|"), headword(0, "||"), headword(0, " lead"),
                                headword(0, "trail "), headword(0, "id #12"), headword(0, "#hash"),
                                headword(0, "back\\slash"), headword(0, "tab\tcr\rlf\n"), headword(0, "~[x](y)"),
                                headword(0, "\x98\x7F\x01"), headword(0, "\\ #3"), headword(0, " #7")});
        QTest::newRow("odd captions") << p.bytes();
    }
    {
        Payload p;
        p.dictionary = section({description({flag(0) + "a  ", flag(1) + "\t", flag(0) + "   ", flag(0) + "x\t \t",
                                             flag(1) + " \t lead", flag(0) + "\x98\x01\x7F"})},
                               {headword(0, "A")});
        QTest::newRow("blanks at the ends of lines and hidden bytes") << p.bytes();
    }
    {
        Payload p;
        p.anecdotes = {};
        p.banners = {};
        QTest::newRow("zero anecdotes and zero banners") << p.bytes();
    }
    {
        Payload p;
        p.anecdotes = {"",
                       "%",
                       "%= x",
                       "%=",
                       "\r\n\r\nlead",
                       "trail\r\n",
                       "lf\nonly",
                       "cr\ronly",
                       QByteArray("nul\0after", 9),
                       "  spaces  ",
                       "\x98\\",
                       "a\r\n%\r\nb",
                       "one\r\n\r\ntwo",
                       "\t"};
        QTest::newRow("anecdotes with any bytes") << p.bytes();
    }
    {
        Payload p;
        p.banners = {Banner {tinyGif(), QByteArray("nul\0hint", 8), "  lead"},
                     Banner {tinyGif(), "trail  ", "cr\r\nlf"}, Banner {tinyGif() + "junk after the GIF", "", ""}};
        QTest::newRow("banner texts with any bytes") << p.bytes();
    }
    {
        Payload p;
        p.guides[0] = "a\nb\rc\r\nd";
        p.guides[1] = QByteArray("row\r\n\0after the zero\r\n", 22);
        p.guides[2] = "no final break";
        p.guides[3] = "\r\n";
        p.refused = "\x98\r\n  \r\n\r\r\n";
        QTest::newRow("guide texts with any line ends and zero bytes") << p.bytes();
    }
    {
        Payload p;
        p.guides = {"", "", "", ""};
        p.refused = "";
        QTest::newRow("empty guides and refused words") << p.bytes();
    }
    {
        Payload p;
        p.trailing = QByteArray("\0\x01~trailing \\ bytes \r\n", 22);
        QTest::newRow("trailing bytes after the last field") << p.bytes();
    }
    {
        Payload p;
        p.edition = INT_MIN;
        QTest::newRow("negative edition") << p.bytes();
    }
    {
        // One run of cards per bucket change: more runs than files allowed.
        QByteArray descriptions = int32le(200);
        QByteArray headwords = int32le(200);
        for (int i = 0; i < 200; ++i) {
            descriptions += description({flag(0) + QByteArray::number(i)});
            headwords += headword(i, QByteArray(1, char(i % 2 ? 0xC0 : 0xC1)) + QByteArray::number(i));
        }
        Payload p;
        p.dictionary = descriptions + headwords;
        QTest::newRow("many runs of cards") << p.bytes();
    }
}

void TestUnpack::roundTrip()
{
    QFETCH(QByteArray, payload);
    const QByteArray file = container::sealPayload(payload);
    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    const QString src = temp.filePath("src");
    const QString out = temp.filePath("out.dat");

    try {
        unpackToFolder(file, src);
        buildWordBase(src, out);
    } catch (const SourceError &e) {
        QFAIL(qPrintable(e.text()));
    } catch (const LoadError &e) {
        QFAIL(qPrintable(e.message()));
    }
    const QByteArray rebuilt = readFile(out);
    if (rebuilt != file) {
        for (const auto &[path, content] : unpackWordBase(file))
            qInfo().noquote() << "----" << path << "\n" << QString::fromUtf8(content.left(2000));
    }
    QCOMPARE(rebuilt.toHex(), file.toHex());
}

void TestUnpack::commonCaseReadsPlainly()
{
    Payload p;
    p.dictionary = section({description({flag(1) + "\t\xD1\xEB\xEE\xE2\xEE " + linkTo(1, "\xEB\xE0\xEC\xE5\xF0\xE0")
                                             + " " + linkTo(1, "\xEB\xE0\xEC\xE5\xF0") + " (\xF1\xEC.)",
                                         flag(0) + linkTo(-1, "smiley")}),
                            description({flag(0) + "x"})},
                           {headword(0, "\xC0|\xE1"), headword(1, "\xCB|\xE0\xEC\xE5\xF0")});
    const SourceFiles files = unpackWordBase(container::sealPayload(p.bytes()));

    QCOMPARE(files.at("wordbase.txt"), QByteArray("edition = 1\n"));
    QCOMPARE(files.at("words/01-a.txt"),
             QString("@ А|б\n> \tСлово [ламера](ламер) [ламер] (см.)\n. [smiley](#-1)\n").toUtf8());
    QCOMPARE(files.at("words/02-l.txt"), QString("@ Л|амер\n. x\n").toUtf8());
    QCOMPARE(files.at("guides/smileys.txt"), QString(":-)\tУлыбка\n").toUtf8());
    QCOMPARE(files.at("anecdotes.txt"), QString("Однажды\nадмин\n").toUtf8());
    QCOMPARE(files.at("banners.txt"),
             QByteArray("image = banners/banner-01.gif\nhint = hint\nlink = https://brivela.example/\n"));
    QCOMPARE(files.at("banners/banner-01.gif"), tinyGif());
    QCOMPARE(files.at("refused.txt"), QString("превед\n").toUtf8());
}

void TestUnpack::unusualTextsUseTheExactForms()
{
    Payload p;
    p.dictionary = section({description({flag(0) + "x"})}, {headword(0, "\xC1"), headword(0, "\xC0")});
    p.guides[0] = "a\nb";
    p.anecdotes = {"plain", QByteArray("nul\0", 4)};
    p.trailing = "end";
    const SourceFiles files = unpackWordBase(container::sealPayload(p.bytes()));

    QCOMPARE(files.at("wordbase.txt"), QByteArray("edition = 1\nsmileys = a\\nb\ntrailing = end\n"));
    QVERIFY(!files.count("guides/smileys.txt"));
    QCOMPARE(files.at("anecdotes.txt"), QByteArray("plain\n%\n%= nul\\0\n"));
    // Б before А is not the default order: every headword carries its word id.
    QCOMPARE(files.at("words/01-b.txt"), QString("@ Б #0\n@ А #1\n. x\n").toUtf8());
}

void TestUnpack::refusesBasesThatDoNotLoad()
{
    QTemporaryDir temp;
    Payload notGif;
    notGif.banners = {Banner {"GIF89a but not really", "", ""}};
    Payload version2;
    version2.version = 2;
    const QByteArray damaged = container::sealPayload(Payload().bytes()).replace(20, 1, "X");

    for (const QByteArray &file :
         {container::sealPayload(notGif.bytes()), container::sealPayload(version2.bytes()), damaged}) {
        QVERIFY_THROWS_EXCEPTION(LoadError, unpackToFolder(file, temp.filePath("src")));
        QVERIFY(!QFileInfo::exists(temp.filePath("src")));
    }
}

void TestUnpack::refusesFolderThatIsNotEmpty()
{
    QTemporaryDir temp;
    QVERIFY(writeFiles(temp.path(), {{"src/keep.txt", "mine"}}));
    const QByteArray file = container::sealPayload(Payload().bytes());
    QVERIFY_THROWS_EXCEPTION(SourceError, unpackToFolder(file, temp.filePath("src")));
    QCOMPARE(readFile(temp.filePath("src/keep.txt")), QByteArray("mine"));
    QCOMPARE(QDir(temp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList {"src"});

    QVERIFY(QDir().mkpath(temp.filePath("empty")));
    unpackToFolder(file, temp.filePath("empty"));
    QVERIFY(QFileInfo(temp.filePath("empty/wordbase.txt")).isFile());
}

QTEST_GUILESS_MAIN(TestUnpack)
#include "tst_unpack.moc"
