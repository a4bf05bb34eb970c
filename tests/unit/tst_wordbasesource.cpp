// Compiling word base source folders: what the cards and files become, and
// where faults are reported.
#include "wordbasefixture.h"

#include "compiler.h"
#include "wordbase/wordbase.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

using namespace fixture;

namespace {

QByteArray utf8(const char *text) { return QByteArray(text); }
QByteArray cp1251(const char *utf8Text);

// A source folder in a temporary directory: the minimal source with `files`
// laid over it; a null content removes a file.
class SourceFolder
{
public:
    explicit SourceFolder(const Files &files)
    {
        Files all = minimalSource();
        for (const auto &[path, content] : files)
            all[path] = content;
        for (auto it = all.begin(); it != all.end();)
            it = it->second.isNull() ? all.erase(it) : std::next(it);
        m_ok = m_temp.isValid() && writeFiles(path(), all);
    }
    bool ok() const { return m_ok; }
    QString path() const { return m_temp.filePath("src"); }
    QString file(const QString &relative) const { return QDir(path()).filePath(relative); }
    QString output() const { return m_temp.filePath("out.dat"); }

private:
    QTemporaryDir m_temp;
    bool m_ok = false;
};

QByteArray cp1251(const char *utf8Text)
{
    QByteArray out;
    for (const QChar c : QString::fromUtf8(utf8Text)) {
        const char16_t u = c.unicode();
        if (u < 0x80)
            out += char(u);
        else if (u >= 0x410 && u <= 0x44F)
            out += char(0xC0 + (u - 0x410));
        else if (u == 0x401)
            out += char(0xA8);
        else if (u == 0x451)
            out += char(0xB8);
        else
            qFatal("cp1251(): no byte for U+%04X in this fixture", unsigned(u));
    }
    return out;
}

QByteArray line(uint8_t flag, const QByteArray &content) { return QByteArray(1, char(flag)) + content; }

// One description from its lines.
QByteArray desc(std::initializer_list<QByteArray> lines)
{
    QByteArray out;
    for (const QByteArray &l : lines)
        out += (out.isEmpty() ? QByteArray() : QByteArray("\n")) + l;
    return out + '\0';
}

} // namespace

class TestWordBaseSource : public QObject
{
    Q_OBJECT

private slots:
    void cards_data();
    void cards();
    void textsAndBanners();
    void faults_data();
    void faults();
    void failedBuildKeepsTheOldFile();
    void longLinesCostLinearTime();
};

void TestWordBaseSource::cards_data()
{
    QTest::addColumn<Files>("words");
    QTest::addColumn<QByteArray>("section");

    QTest::newRow("headwords numbered by letter, then as the search box sorts")
        << Files {{"words/1.txt", utf8("@ Х|ацкер\n@ Х|акер\n. x\n\n@ Б|аг\n. y\n")},
                  {"words/0.txt", utf8("@ ё|ж\n@ A|b\n@ а|бв\n. z\n")}}
        << section({desc({line(0, "z")}), desc({line(0, "x")}), desc({line(0, "y")})},
                   {headword(0, cp1251("а|бв")), headword(0, cp1251("ё|ж")), headword(0, "A|b"),
                    headword(2, cp1251("Б|аг")), headword(1, cp1251("Х|акер")), headword(1, cp1251("Х|ацкер"))});

    QTest::newRow("line prefixes, indents and spaces")
        << Files {{"words/a.txt", utf8("@ А\n> \tx y  z\n.\n. \n!7 a\n!0\n!255 \t\n")}}
        << section({desc({line(1, "\tx y  z"), line(0, ""), line(0, ""), line(7, "a"), line(0, ""), line(255, "\t")})},
                   {headword(0, cp1251("А"))});

    QTest::newRow("escapes") << Files {{"words/a.txt",
                                        utf8("@ А\\\\\\t\\x41\\#\n. a\\rb\\\\c\\[d\\]e\\(f\\)g\\#h\\x41\\s\\ti | @\n")}}
                             << section({desc({line(0, "a\rb\\c[d]e(f)g#hA \ti | @")})},
                                        {headword(0, cp1251("А\\\tA#"))});

    QTest::newRow("links by caption, by own text and by word id")
        << Files {{"words/a.txt",
                   utf8("@ Б|аг\n@ Гл|юк\n. [баги](баг) [глюк] [смайлики](#-1) [a b\\nc\\0d](#9) []() [x](#0)(y)\n")},
                  {"words/z.txt", utf8("@\n. e\n")}}
        << section({desc({line(0, linkTo(1, cp1251("баги")) + ' ' + linkTo(2, cp1251("глюк")) + ' '
                                      + linkTo(-1, cp1251("смайлики")) + ' ' + linkTo(9, QByteArray("a b\nc\0d", 7))
                                      + ' ' + linkTo(0, "") + ' ' + linkTo(0, "x") + "(y)")}),
                    desc({line(0, "e")})},
                   {headword(1, ""), headword(0, cp1251("Б|аг")), headword(0, cp1251("Гл|юк"))});

    QTest::newRow("cards that no headword uses")
        << Files {{"words/a.txt", utf8("---\n. unused\n---\n@ А\n. used\n---\n> unused too\n")}}
        << section({desc({line(0, "unused")}), desc({line(0, "used")}), desc({line(1, "unused too")})},
                   {headword(1, cp1251("А"))});

    QTest::newRow("explicit word ids, with a headword twice on a card")
        << Files {{"words/a.txt", utf8("@ Б #1\n@ А #2\n@ Б #0\n. x\n")}}
        << section({desc({line(0, "x")})},
                   {headword(0, cp1251("Б")), headword(0, cp1251("Б")), headword(0, cp1251("А"))});

    QTest::newRow("empty captions and captions of only |")
        << Files {{"words/a.txt", utf8("@\n. [](#0)\n\n@ |\n. y\n")}}
        << section({desc({line(0, linkTo(0, ""))}), desc({line(0, "y")})}, {headword(0, ""), headword(1, "|")});

    QTest::newRow("comments, blank lines and CR LF line ends")
        << Files {{"words/a.txt", utf8("# comment\r\n\r\n@ А\r\n   \r\n. x\r\n# between\r\n. y\r\n")}}
        << section({desc({line(0, "x"), line(0, "y")})}, {headword(0, cp1251("А"))});

    QTest::newRow("only .txt files of words/, in byte order of their names")
        << Files {{"words/b.txt", utf8("@ Б\n. b\n")},
                  {"words/B.txt", utf8("@ В\n. B\n")},
                  {"words/a.md", utf8("junk")},
                  {"words/a.txt", utf8("@ А\n. a\n")}}
        << section({desc({line(0, "B")}), desc({line(0, "a")}), desc({line(0, "b")})},
                   {headword(1, cp1251("А")), headword(2, cp1251("Б")), headword(0, cp1251("В"))});
}

void TestWordBaseSource::cards()
{
    QFETCH(Files, words);
    QFETCH(QByteArray, section);
    SourceFolder src(words);
    QVERIFY(src.ok());
    try {
        QCOMPARE(compileSource(src.path()).dictionary.toHex(' '), section.toHex(' '));
    } catch (const SourceError &e) {
        QFAIL(qPrintable(e.text()));
    }
}

void TestWordBaseSource::textsAndBanners()
{
    SourceFolder src({
        {"wordbase.txt", utf8("# the edition\nedition = -3\nusers = a\\r\\nb\\0c\ntrailing = \\x00end\\s\n")},
        {"guides/users.txt", QByteArray()},
        {"guides/smileys.txt", utf8(":-)\tУлыбка\r\n:-(\tГрусть")},
        {"guides/acronyms.txt", utf8("\n")},
        {"anecdotes.txt", utf8("\n\nПервый\n\nвторая строка\n\n%\n%\n%= a\\nb\n%\n%=\n%\n  \n%\nпоследний\n%\n")},
        {"banners.txt", utf8("# first\nimage = b1.gif\nhint = Подсказка\nlink =\n\n\n# second\n"
                             "link = https://x/\\s\nimage = banners/b2.gif\n")},
        {"b1.gif", tinyGif()},
        {"banners/b2.gif", tinyGif() + "tail"},
        {"refused.txt", utf8("превед\nмедвед\n")},
    });
    QVERIFY(src.ok());
    RawWordBase base;
    try {
        base = compileSource(src.path());
    } catch (const SourceError &e) {
        QFAIL(qPrintable(e.text()));
    }
    QCOMPARE(base.edition, -3);
    QCOMPARE(base.guides[RawWordBase::Smileys], cp1251(":-)\tУлыбка\r\n:-(\tГрусть\r\n"));
    QCOMPARE(base.guides[RawWordBase::Acronyms], QByteArray("\r\n"));
    QCOMPARE(base.guides[RawWordBase::Users], QByteArray("a\r\nb\0c", 6));
    QCOMPARE(base.guides[RawWordBase::Extensions], QByteArray());
    QCOMPARE(base.anecdotes,
             (std::vector<QByteArray> {cp1251("Первый\r\n\r\nвторая строка"), "a\nb", "", cp1251("последний")}));
    QCOMPARE(base.banners.size(), size_t(2));
    QCOMPARE(base.banners[0].image, tinyGif());
    QCOMPARE(base.banners[0].hint, cp1251("Подсказка"));
    QCOMPARE(base.banners[0].link, QByteArray());
    QCOMPARE(base.banners[1].image, tinyGif() + "tail");
    QCOMPARE(base.banners[1].hint, QByteArray());
    QCOMPARE(base.banners[1].link, QByteArray("https://x/ "));
    QCOMPARE(base.refused, cp1251("превед\r\nмедвед\r\n"));
    QCOMPARE(base.trailing, QByteArray("\0end ", 5));
}

void TestWordBaseSource::faults_data()
{
    QTest::addColumn<Files>("files");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("message");

    const Files gif {{"banners/b.gif", tinyGif()}};
    auto with = [](Files files, const Files &more) {
        files.insert(more.begin(), more.end());
        return files;
    };

    // Characters that Windows-1251 cannot hold, wherever they stand.
    QTest::newRow("not Windows-1251 in a headword")
        << Files {{"words/a.txt", utf8("@ Х|акер✓\n. x\n")}} << "words/a.txt" << 1 << 9 << "U+2713";
    QTest::newRow("not Windows-1251 in a description, outside the BMP")
        << Files {{"words/a.txt", utf8("@ А\n. ab😀c\n")}} << "words/a.txt" << 2 << 5 << "U+1F600";
    QTest::newRow("not Windows-1251 in a link")
        << Files {{"words/a.txt", utf8("@ А\n. [а](А€✓)\n")}} << "words/a.txt" << 2 << 9 << "U+2713";
    QTest::newRow("not Windows-1251 in a guide")
        << Files {{"guides/smileys.txt", utf8(":-)\tok\n:-(\t✓\n")}} << "guides/smileys.txt" << 2 << 5 << "U+2713";
    QTest::newRow("not Windows-1251 in an anecdote")
        << Files {{"anecdotes.txt", utf8("a\n%\nb ✓\n")}} << "anecdotes.txt" << 3 << 3 << "U+2713";
    QTest::newRow("not Windows-1251 in a banner hint")
        << with(gif, {{"banners.txt", utf8("image = banners/b.gif\nhint = ✓\n")}}) << "banners.txt" << 2 << 8
        << "U+2713";
    QTest::newRow("not Windows-1251 in the refused words")
        << Files {{"refused.txt", utf8("ok\n✓\n")}} << "refused.txt" << 2 << 1 << "U+2713";
    QTest::newRow("not Windows-1251 in a manifest value")
        << Files {{"wordbase.txt", utf8("edition = 1\ntrailing = ✓\n")}} << "wordbase.txt" << 2 << 12 << "U+2713";
    QTest::newRow("not UTF-8") << Files {{"words/a.txt", QByteArray("@ A\n. a\xFF"
                                                                    "b\n")}}
                               << "words/a.txt" << 2 << 4 << "UTF-8";

    // Links.
    QTest::newRow("unknown link target, the link's own text")
        << Files {{"words/a.txt", utf8("@ А\n. [Б]\n")}} << "words/a.txt" << 2 << 4 << "names no headword";
    QTest::newRow("unknown link target in parentheses")
        << Files {{"words/a.txt", utf8("@ А\n. [x](Бэ)\n")}} << "words/a.txt" << 2 << 7 << "names no headword";
    QTest::newRow("unknown link target in another file")
        << Files {{"words/a.txt", utf8("@ А\n. x\n")}, {"words/b.txt", utf8("@ Б\n. x [а](Аа)\n")}} << "words/b.txt"
        << 2 << 9 << "names no headword";
    QTest::newRow("ambiguous link target") << Files {{"words/a.txt", utf8("@ А|б\n. x\n\n@ Аб|\n. y\n\n@ В\n. [аБ]\n")}}
                                           << "words/a.txt" << 8 << 4 << "ambiguous";
    QTest::newRow("word id target that is not a number")
        << Files {{"words/a.txt", utf8("@ А\n. [x](#1a)\n")}} << "words/a.txt" << 2 << 7 << "whole number";
    QTest::newRow("unclosed link") << Files {{"words/a.txt", utf8("@ А\n. ab [cd\n")}} << "words/a.txt" << 2 << 6
                                   << "closing ]";
    QTest::newRow("unclosed link target")
        << Files {{"words/a.txt", utf8("@ А\n. [a](А\n")}} << "words/a.txt" << 2 << 6 << "closing )";
    QTest::newRow("] outside a link") << Files {{"words/a.txt", utf8("@ А\n. a]\n")}} << "words/a.txt" << 2 << 4 << "]";
    QTest::newRow("~ in a description") << Files {{"words/a.txt", utf8("@ А\n. a~b\n")}} << "words/a.txt" << 2 << 4
                                        << "~";
    QTest::newRow("~ in a link text, as an escape")
        << Files {{"words/a.txt", utf8("@ А\n. [a\\x7E](#0)\n")}} << "words/a.txt" << 2 << 5 << "~";
    QTest::newRow("LF outside a link") << Files {{"words/a.txt", utf8("@ А\n. a\\nb\n")}} << "words/a.txt" << 2 << 4
                                       << "link texts";
    QTest::newRow("unknown escape") << Files {{"words/a.txt", utf8("@ А\n. a\\qb\n")}} << "words/a.txt" << 2 << 4
                                    << "\\q";
    QTest::newRow("zero byte in a headword")
        << Files {{"words/a.txt", utf8("@ А\\0\n. x\n")}} << "words/a.txt" << 1 << 4 << "zero byte";

    // Cards and headwords.
    QTest::newRow("duplicate headword in one card")
        << Files {{"words/a.txt", utf8("@ Х|акер\n@ Х|ацкер\n@ хак|ер\n. x\n")}} << "words/a.txt" << 3 << 3
        << "already on this card";
    QTest::newRow("description line before any card")
        << Files {{"words/a.txt", utf8("# c\n> x\n")}} << "words/a.txt" << 2 << 1 << "before any card";
    QTest::newRow("card without description lines") << Files {{"words/a.txt", utf8("@ А\n. x\n\n@ Б\n@ В\n---\n")}}
                                                    << "words/a.txt" << 4 << 1 << "description line";
    QTest::newRow("unknown line") << Files {{"words/a.txt", utf8("@ А\nx\n")}} << "words/a.txt" << 2 << 1
                                  << "starts with";
    QTest::newRow("no space after @") << Files {{"words/a.txt", utf8("@А\n. x\n")}} << "words/a.txt" << 1 << 2
                                      << "space";
    QTest::newRow("flag byte out of range")
        << Files {{"words/a.txt", utf8("@ А\n!256 x\n")}} << "words/a.txt" << 2 << 2 << "0..255";
    QTest::newRow("word id missing on one headword")
        << Files {{"words/a.txt", utf8("@ А #0\n@ Б\n. x\n")}} << "words/a.txt" << 2 << 3 << "word id";
    QTest::newRow("word id given twice") << Files {{"words/a.txt", utf8("@ А #1\n@ Б #1\n. x\n")}} << "words/a.txt" << 2
                                         << 3 << "already given";
    QTest::newRow("word id out of range")
        << Files {{"words/a.txt", utf8("@ А #0\n@ Б #2\n. x\n")}} << "words/a.txt" << 2 << 3 << "out of range";

    // Banners.
    QTest::newRow("missing banner file") << Files {{"banners.txt", utf8("# b\nimage = banners/none.gif\n")}}
                                         << "banners.txt" << 2 << 9 << "missing";
    QTest::newRow("banner file that is not a GIF")
        << with(gif, {{"banners.txt", utf8("image = banners/b.gif\n\nimage =  fake.gif\n")}, {"fake.gif", "GIF89a no"}})
        << "banners.txt" << 3 << 10 << "not a GIF";
    QTest::newRow("empty banner file") << Files {{"banners.txt", utf8("image = e.gif\n")}, {"e.gif", ""}}
                                       << "banners.txt" << 1 << 9 << "not a GIF";
    QTest::newRow("banner without image")
        << Files {{"banners.txt", utf8("hint = x\nlink = y\n")}} << "banners.txt" << 1 << 1 << "image";
    QTest::newRow("unknown banner key") << with(gif, {{"banners.txt", utf8("image = banners/b.gif\ntitle = x\n")}})
                                        << "banners.txt" << 2 << 1 << "title";

    // The other files.
    QTest::newRow("guide given by key and by file")
        << Files {{"wordbase.txt", utf8("edition = 1\nsmileys = x\n")}} << "wordbase.txt" << 2 << 1 << "keep one";
    QTest::newRow("unknown manifest key")
        << Files {{"wordbase.txt", utf8("edition = 1\ncolour = red\n")}} << "wordbase.txt" << 2 << 1 << "colour";
    QTest::newRow("edition given twice") << Files {{"wordbase.txt", utf8("edition = 1\nedition = 2\n")}}
                                         << "wordbase.txt" << 2 << 1 << "already";
    QTest::newRow("edition not a number")
        << Files {{"wordbase.txt", utf8("edition = first\n")}} << "wordbase.txt" << 1 << 11 << "whole number";
    QTest::newRow("edition missing") << Files {{"wordbase.txt", utf8("# none\n")}} << "wordbase.txt" << 0 << 0
                                     << "edition";
    QTest::newRow("guide file missing") << Files {{"guides/users.txt", QByteArray()}} << "guides/users.txt" << 0 << 0
                                        << "missing";
    // Sizes: nothing larger than a word base may be is read whole or written.
    const QByteArray tooLarge(MaxWordBaseSize + 1, 'a');
    QTest::newRow("source file too large")
        << Files {{"anecdotes.txt", tooLarge}} << "anecdotes.txt" << 0 << 0 << "larger than a word base";
    QTest::newRow("banner image too large") << Files {{"banners.txt", utf8("image = big.gif\n")}, {"big.gif", tooLarge}}
                                            << "banners.txt" << 1 << 9 << "larger than a word base";
    // A GIF decodes up to its trailer; what follows is stored all the same.
    const QByteArray paddedGif = tinyGif() + QByteArray(MaxWordBaseSize / 4, 'x');
    QTest::newRow("compiled word base too large")
        << Files {{"banners.txt", utf8("image = p.gif\n\nimage = p.gif\n\nimage = p.gif\n\nimage = p.gif\n")},
                  {"p.gif", paddedGif}}
        << "" << 0 << 0 << "compiled word base is larger than a word base";
    QTest::newRow("exact anecdote of two lines")
        << Files {{"anecdotes.txt", utf8("%= a\nb\n%\nc\n")}} << "anecdotes.txt" << 2 << 1 << "one line";
}

void TestWordBaseSource::faults()
{
    QFETCH(Files, files);
    QFETCH(QString, file);
    QFETCH(int, line);
    QFETCH(int, column);
    QFETCH(QString, message);

    SourceFolder src(files);
    QVERIFY(src.ok());
    try {
        buildWordBase(src.path(), src.output());
        QFAIL("the build succeeded");
    } catch (const SourceError &e) {
        QCOMPARE(e.file(), src.file(file));
        QCOMPARE(e.line(), line);
        QCOMPARE(e.column(), column);
        QVERIFY2(e.message().contains(message), qPrintable(e.message()));
        QVERIFY(e.text().startsWith(line ? QStringLiteral("%1:%2:%3: ").arg(src.file(file)).arg(line).arg(column)
                                         : src.file(file) + ": "));
    }
    QVERIFY(!QFileInfo::exists(src.output()));
}

void TestWordBaseSource::failedBuildKeepsTheOldFile()
{
    SourceFolder src({{"words/a.txt", utf8("@ А\n. [Б]\n")}});
    QVERIFY(src.ok());
    QVERIFY(writeFiles(QFileInfo(src.output()).path(), {{"out.dat", "previous build"}}));
    const QStringList before = QDir(QFileInfo(src.output()).path()).entryList(QDir::Files | QDir::Hidden);

    QVERIFY_THROWS_EXCEPTION(SourceError, buildWordBase(src.path(), src.output()));
    QCOMPARE(readFile(src.output()), QByteArray("previous build"));
    QCOMPARE(QDir(QFileInfo(src.output()).path()).entryList(QDir::Files | QDir::Hidden), before);
}

// A line of 200,000 links, and a fault at its very end reported at its column.
// Counting the column of every link from the start of the line took minutes.
void TestWordBaseSource::longLinesCostLinearTime()
{
    QByteArray line = "@ А\n. ";
    for (int i = 0; i < 200000; ++i)
        line += "[а] ";
    SourceFolder src({{"words/a.txt", line + "[нет]\n"}});
    QVERIFY(src.ok());
    QElapsedTimer timer;
    timer.start();
    try {
        buildWordBase(src.path(), src.output());
        QFAIL("the build succeeded");
    } catch (const SourceError &e) {
        QCOMPARE(e.line(), 2);
        QCOMPARE(e.column(), 3 + 200000 * 4 + 1);
        QVERIFY2(e.message().contains("names no headword"), qPrintable(e.message()));
    }
    QVERIFY2(timer.elapsed() < 20000, qPrintable(QString::number(timer.elapsed())));
}

QTEST_GUILESS_MAIN(TestWordBaseSource)
#include "tst_wordbasesource.moc"
