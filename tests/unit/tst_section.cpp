// The dictionary section: its byte grammar, buckets, synonyms and the checks
// that turn broken sections into load errors.
#include "dict/bytereader.h"
#include "dict/dictionary.h"
#include "dict/sectionwriter.h"
#include "payloadbuilder.h"
#include "text/stringlist.h"

#include <QTest>

using namespace testbase;

namespace {

// A compact picture of a parsed description: "J<flag>:" per line, then T(text),
// S, I, L(id,text) per element; lines separated by " | ".
QByteArray picture(const TWordDescription &d)
{
    QByteArray out;
    for (const auto &line : d.lines()) {
        if (!out.isEmpty())
            out += " | ";
        out += "J" + QByteArray::number(line->Justify()) + ":";
        for (const auto &e : line->elements()) {
            if (auto *l = dynamic_cast<const TRefElement *>(e.get()))
                out += " L(" + QByteArray::number(l->WordId()) + "," + l->Text() + ")";
            else if (auto *t = dynamic_cast<const TTextElement *>(e.get()))
                out += " T(" + t->Text() + ")";
            else if (dynamic_cast<const TSpaceElement *>(e.get()))
                out += " S";
            else
                out += " I";
        }
    }
    return out;
}

void load(TDictionary &dict, const QByteArray &bytes)
{
    ByteReader reader(bytes);
    dict.LoadFromStream(reader);
}

// Bytes of a literal, embedded NULs included, without its terminator.
template <size_t N> QByteArray bytes(const char (&s)[N]) { return QByteArray(s, N - 1); }

} // namespace

class TestSection : public QObject
{
    Q_OBJECT

private slots:
    void grammar_data()
    {
        QTest::addColumn<QByteArray>("description");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("words and spaces") << bytes("\0ab cd\0") << QByteArray("J0: T(ab) S T(cd)");
        QTest::newRow("one empty line") << bytes("\0\0") << QByteArray("J0:");
        QTest::newRow("flag LF is a flag") << bytes("\nx\0") << QByteArray("J10: T(x)");
        QTest::newRow("flag NUL then text") << bytes("\0x\0") << QByteArray("J0: T(x)");
        QTest::newRow("flag TAB is a flag") << bytes("\tx\0") << QByteArray("J9: T(x)");
        QTest::newRow("flag tilde is a flag") << bytes("~x\0") << QByteArray("J126: T(x)");
        QTest::newRow("two lines") << bytes("\1a\n\0b\0") << QByteArray("J1: T(a) | J0: T(b)");
        QTest::newRow("empty line between") << bytes("\1a\n\1\n\0b\0") << QByteArray("J1: T(a) | J1: | J0: T(b)");
        QTest::newRow("indent, double space") << bytes("\1\tab  c\0") << QByteArray("J1: I T(ab) S S T(c)");
        QTest::newRow("only spaces") << bytes("\1   \0") << QByteArray("J1: S S S");
        QTest::newRow("CR | @ are text") << bytes("\0a\r|@b\0") << QByteArray("J0: T(a\r|@b)");
        QTest::newRow("link with space, LF and NUL")
            << (bytes("\0~") + int32(5) + bytes("a b\n\0c~\0")) << bytes("J0: L(5,a b\n\0c)");
        QTest::newRow("empty link") << (bytes("\0~") + int32(-1) + bytes("~\0")) << QByteArray("J0: L(-1,)");
        QTest::newRow("text touching links")
            << (bytes("\0ab~") + int32(3) + bytes("x~cd,\0")) << QByteArray("J0: T(ab) L(3,x) T(cd,)");
        QTest::newRow("link id holding delimiter bytes")
            << (bytes("\0~") + int32(0x0A7E0020) + bytes("t~\0"))
            << QByteArray("J0: L(" + QByteArray::number(0x0A7E0020) + ",t)");
    }

    void grammar()
    {
        QFETCH(QByteArray, description);
        QFETCH(QByteArray, expected);
        TDictionary dict;
        const QByteArray data = section({description}, {{0, "\xC0"}});
        load(dict, data);
        QCOMPARE(picture(*dict.GetDescription(0)), expected);
        // Writing the model back gives the very same bytes.
        QCOMPARE(writeDictionarySection(dict), data);
    }

    void letterOf_data()
    {
        QTest::addColumn<QByteArray>("caption");
        QTest::addColumn<int>("letter");
        QTest::newRow("capital A") << QByteArray("\xC0\xE1") << 0xC0;
        QTest::newRow("stress on the first letter") << QByteArray("|\xC0\xE1") << 0xC0;
        QTest::newRow("capital YA") << QByteArray("\xDF") << 0xDF;
        QTest::newRow("lower-case cyrillic") << QByteArray("\xE0\xE1") << int('@');
        QTest::newRow("capital YO") << QByteArray("\xA8\xEB") << int('@');
        QTest::newRow("latin") << QByteArray("RTFM") << int('@');
        QTest::newRow("digit") << QByteArray("1C") << int('@');
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("only marks") << QByteArray("||") << 0;
    }

    void letterOf()
    {
        QFETCH(QByteArray, caption);
        QFETCH(int, letter);
        QCOMPARE(int(TDictionary::LetterOf(caption)), letter);
    }

    void bucketsTabsAndSynonyms()
    {
        TDictionary dict;
        const QByteArray data = section({bytes("\0a\0"), bytes("\0b\0"), bytes("\0unused\0")},
                                        {{0, "\xDF|\xE4"}, {1, ""}, {0, "|\xC0\xE1"}, {0, "x|y"}, {1, "\xC0"}});
        load(dict, data);
        QCOMPARE(dict.WordCount(), 5);
        QCOMPARE(dict.DescCount(), 3);

        StringList tabs;
        tabs.append("old");
        dict.FillTabs(tabs);
        QCOMPARE(tabs.lines(), (QList<QByteArray> {QByteArray(1, '\0'), "@", "\xC0", "\xDF"}));

        // Bucket A holds its words in section order.
        const TDictUnit *a = dict.GetUnit(0xC0);
        QVERIFY(a);
        QCOMPARE(a->Count(), 2);
        QCOMPARE(a->GetWord(0)->WordId(), 2);
        QCOMPARE(a->GetWord(1)->WordId(), 4);
        QVERIFY(!dict.GetUnit(0xC1));

        // Synonyms: bucket letter order, then section order, marks removed.
        const auto &syn = dict.GetDescription(0)->synonyms();
        QCOMPARE(syn.size(), size_t(3));
        QCOMPARE(syn[0]->WordId(), 3); // '@' bucket first
        QCOMPARE(syn[0]->Text(), QByteArray("xy"));
        QCOMPARE(syn[1]->WordId(), 2);
        QCOMPARE(syn[1]->Text(), QByteArray("\xC0\xE1"));
        QCOMPARE(syn[2]->WordId(), 0);
        QCOMPARE(dict.GetDescription(1)->synonyms().size(), size_t(2));
        QVERIFY(dict.GetDescription(2)->synonyms().empty());
    }

    void emptyDictionary()
    {
        TDictionary dict;
        load(dict, section({}, {}));
        StringList tabs;
        tabs.append("old");
        dict.FillTabs(tabs);
        QCOMPARE(tabs.count(), qsizetype(0));
        for (int letter = 0; letter < 256; ++letter)
            QVERIFY(!dict.GetUnit(uint8_t(letter)));
    }

    void readerStopsRightAfterTheSection()
    {
        const QByteArray data = section({bytes("\0a\0")}, {{0, "\xC0"}});
        const QByteArray withTail = data + "tail";
        ByteReader reader(withTail);
        TDictionary dict;
        dict.LoadFromStream(reader);
        QCOMPARE(reader.pos(), data.size());
    }

    void reloadingReplacesEverything()
    {
        TDictionary dict;
        load(dict, section({bytes("\0a\0")}, {{0, "\xC0"}, {0, "\xC1"}}));
        load(dict, section({bytes("\0b\0")}, {{0, "\xC2"}}));
        QCOMPARE(dict.WordCount(), 1);
        QVERIFY(!dict.GetUnit(0xC0));
        QCOMPARE(dict.GetDescription(0)->synonyms().size(), size_t(1));
    }

    void brokenSections_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("message");
        const QByteArray ok = bytes("\0a\0");
        QTest::newRow("empty") << QByteArray() << LoadMessages::truncated();
        QTest::newRow("ends inside a line") << (int32(1) + bytes("\0abc")) << LoadMessages::truncated();
        QTest::newRow("ends inside a link")
            << (int32(1) + bytes("\0~") + int32(1) + "never closed") << LoadMessages::truncated();
        QTest::newRow("ends inside a link id") << (int32(1) + bytes("\0~\1\0")) << LoadMessages::truncated();
        QTest::newRow("ends before the word count") << (int32(1) + ok) << LoadMessages::truncated();
        QTest::newRow("ends inside a caption")
            << (int32(1) + ok + int32(1) + int32(0) + "abc") << LoadMessages::truncated();
        QTest::newRow("negative description count") << int32(-1) << LoadMessages::negativeLength();
        QTest::newRow("huge description count") << (int32(0x7fffffff) + ok) << LoadMessages::lengthTooLarge();
        QTest::newRow("negative word count") << (int32(1) + ok + int32(-5)) << LoadMessages::negativeLength();
        QTest::newRow("huge word count") << (int32(1) + ok + int32(1000) + int32(0) + bytes("a\0"))
                                         << LoadMessages::lengthTooLarge();
        QTest::newRow("index past the end") << section({ok}, {{1, "a"}}) << LoadMessages::badDescriptionIndex();
        QTest::newRow("negative index") << section({ok}, {{-1, "a"}}) << LoadMessages::badDescriptionIndex();
        QTest::newRow("index with no descriptions") << section({}, {{0, "a"}}) << LoadMessages::badDescriptionIndex();
    }

    void brokenSections()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, message);
        TDictionary dict;
        try {
            load(dict, data);
            QFAIL("a broken section loaded");
        } catch (const LoadError &e) {
            QCOMPARE(e.message(), message);
        }
    }
};

QTEST_GUILESS_MAIN(TestSection)
#include "tst_section.moc"
