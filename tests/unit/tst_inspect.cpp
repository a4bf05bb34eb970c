// What check warns about, and how show finds and prints a headword.
#include "wordbasefixture.h"

#include "dict/bytereader.h"
#include "dict/dictionary.h"
#include "inspect.h"
#include "searchorder.h"
#include "text/cp1251.h"

#include <QTest>

using namespace fixture;

namespace {

QByteArray cp(const char *utf8) { return toCp1251(QString::fromUtf8(utf8)); }

QByteArray oneLine(const QByteArray &content, uint8_t flag = 0) { return QByteArray(1, char(flag)) + content + '\0'; }

// A dictionary of one description per headword, each reading "x".
QByteArray headwordsOnly(const QList<QByteArray> &captions)
{
    QByteArray out = int32le(int32_t(captions.size()));
    for (qsizetype i = 0; i < captions.size(); ++i)
        out += oneLine("x");
    out += int32le(int32_t(captions.size()));
    for (qsizetype i = 0; i < captions.size(); ++i)
        out += headword(int32_t(i), captions.at(i));
    return out;
}

bool load(TDictionary &dictionary, const QByteArray &section)
{
    ByteReader reader(section);
    try {
        dictionary.LoadFromStream(reader);
    } catch (const LoadError &) {
        return false;
    }
    return reader.atEnd();
}

} // namespace

class TestInspect : public QObject
{
    Q_OBJECT

private slots:
    void warnings_data();
    void warnings();
    void search_data();
    void search();
    void captionWithStress_data();
    void captionWithStress();
    void headwordAsText();
};

void TestInspect::warnings_data()
{
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QStringList>("expected"); // one fragment per warning, in order

    QTest::newRow("letters in search order")
        << headwordsOnly({cp("А|дмин"), cp("Апгр|ейд"), cp("Б|аг"), "L|OL"}) << QStringList();
    QTest::newRow("stress marks and case do not count")
        << headwordsOnly({cp("Я|а"), cp("ЯБ"), cp("Я|б")}) << QStringList();
    QTest::newRow("a headword above one it should follow")
        << headwordsOnly({cp("Юзер"), cp("Ябл|око"), cp("Я|блоко"), cp("Я|ва"), cp("Яб|лочко"), "Z", "A"})
        << QStringList {"\"A\" (word id 6)", "\"Яб|лочко\" (word id 4)"};
    QTest::newRow("links to word ids no headword has") << section(
        {oneLine(linkTo(-1, "smileys") + linkTo(0, "self") + linkTo(2, "past the end") + linkTo(-2, "minus")),
         oneLine("x")},
        {headword(0, cp("Сл|ово")), headword(1, cp("Друг|ое"))})
                                                       << QStringList {"word id 2", "word id -2"};
    QTest::newRow("descriptions no headword uses")
        << section({oneLine("used"), oneLine(cp("Ничей текст")), QByteArray("\0\0", 2)}, {headword(0, "A")})
        << QStringList {"description 1 is used by no headword; it begins \"Ничей текст\"", "description 2"};
}

void TestInspect::warnings()
{
    QFETCH(QByteArray, section);
    QFETCH(QStringList, expected);
    TDictionary dictionary;
    QVERIFY(load(dictionary, section));
    const QStringList warnings = dictionaryWarnings(dictionary);
    QCOMPARE(warnings.size(), expected.size());
    for (qsizetype i = 0; i < warnings.size(); ++i)
        QVERIFY2(warnings.at(i).contains(expected.at(i)), qPrintable(warnings.at(i)));
}

void TestInspect::search_data()
{
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<QByteArray>("found"); // the caption; empty when nothing is found

    QTest::newRow("first letter alone") << cp("а") << cp("А|дмин");
    QTest::newRow("a prefix") << cp("ап") << cp("Апгр|ейд");
    QTest::newRow("the whole word, stress ignored") << cp("апгрейд") << cp("Апгр|ейд");
    QTest::newRow("upper case typed") << cp("АСЬ") << cp("Ас|ька");
    QTest::newRow("after every headword of the letter") << cp("аяяя") << cp("А|дмин");
    QTest::newRow("Latin letters search the @ tab") << QByteArray("lo") << QByteArray("L|OL");
    QTest::newRow("a lower-case headword in the @ tab") << cp("ё") << cp("ёж");
    QTest::newRow("a letter without a tab") << cp("я") << QByteArray();
    QTest::newRow("nothing typed") << QByteArray() << QByteArray();
}

void TestInspect::search()
{
    QFETCH(QByteArray, typed);
    QFETCH(QByteArray, found);
    TDictionary dictionary;
    QVERIFY(
        load(dictionary, headwordsOnly({cp("А|дмин"), cp("Апгр|ейд"), cp("Ас|ька"), cp("Б|аг"), cp("ёж"), "L|OL"})));
    const TDictWord *word = searchHeadword(dictionary, typed);
    QCOMPARE(word ? word->Caption() : QByteArray(), found);
}

void TestInspect::captionWithStress_data()
{
    QTest::addColumn<QByteArray>("caption");
    QTest::addColumn<QString>("shown");

    QTest::newRow("stress inside") << cp("Х|акер") << QString::fromUtf8("Ха\u0301кер");
    QTest::newRow("stress on the first letter") << cp("|Юзер") << QString::fromUtf8("Ю\u0301зер");
    QTest::newRow("two marks in a row") << cp("||а") << QString::fromUtf8("|\u0301а");
    QTest::newRow("a mark at the end") << cp("а|") << QString::fromUtf8("а");
    QTest::newRow("control characters") << QByteArray("a\x1b[2J") << QString("a\\x1B[2J");
}

void TestInspect::captionWithStress()
{
    QFETCH(QByteArray, caption);
    QFETCH(QString, shown);
    QCOMPARE(::captionWithStress(caption), shown);
}

void TestInspect::headwordAsText()
{
    TDictionary dictionary;
    QVERIFY(load(dictionary, section({QByteArray(1, '\x01') + cp("\tСлово ") + linkTo(1, cp("ссылка")) + cp(" конец\n")
                                          + QByteArray("\0\0", 2),
                                      oneLine("x\r")},
                                     {headword(0, cp("В|в")), headword(1, cp("Б")), headword(0, cp("А|б"))})));

    QCOMPARE(::headwordAsText(dictionary, *dictionary.GetUnit(0xC2)->GetWord(0)),
             QString::fromUtf8("Вв\u0301\n\n    Слово [ссылка] конец\n\n\nСинонимы:\n[Аб]\n"));
    QCOMPARE(::headwordAsText(dictionary, *dictionary.GetUnit(0xC1)->GetWord(0)), QString("Б\n\nx\\x0D\n"));
}

QTEST_GUILESS_MAIN(TestInspect)
#include "tst_inspect.moc"
