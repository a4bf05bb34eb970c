// Windows-1251 text: codec, case mapping, comparison, string list.
#include "text/ansi.h"
#include "text/cp1251.h"
#include "text/stringlist.h"

#include <QTest>

class TestText : public QObject
{
    Q_OBJECT

private slots:
    void codecRoundTrip()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            if (b != 0x98) // the one unassigned byte of Windows-1251
                all.append(char(b));
        qsizetype bad = 0;
        QCOMPARE(toCp1251(fromCp1251(all), &bad), all);
        QCOMPARE(bad, qsizetype(-1));
        QCOMPARE(fromCp1251("\xD5\xE0\xEA\xE5\xF0 \xA8\xB8"), QStringLiteral("Хакер Ёё"));
    }

    void codecRefusesWhatItCannotHold()
    {
        qsizetype bad = 0;
        toCp1251(QStringLiteral("ok ✓ no"), &bad);
        QCOMPARE(bad, qsizetype(3));
    }

    void caseMapping_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("upper");
        QTest::newRow("cyrillic") << "ХаКеР"
                                  << "хакер"
                                  << "ХАКЕР";
        QTest::newRow("yo") << "Ёё"
                            << "ёё"
                            << "ЁЁ";
        QTest::newRow("latin and digits") << "RtFm 42"
                                          << "rtfm 42"
                                          << "RTFM 42";
        QTest::newRow("marks stay") << "Х|акер"
                                    << "х|акер"
                                    << "Х|АКЕР";
        QTest::newRow("ukrainian letters") << "Ґґ Її Єє"
                                           << "ґґ її єє"
                                           << "ҐҐ ЇЇ ЄЄ";
    }

    void caseMapping()
    {
        QFETCH(QString, text);
        QFETCH(QString, lower);
        QFETCH(QString, upper);
        QCOMPARE(fromCp1251(AnsiLowerCase(toCp1251(text))), lower);
        QCOMPARE(fromCp1251(AnsiUpperCase(toCp1251(text))), upper);
    }

    void comparison_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("sign");
        QTest::newRow("alphabet order") << "баг"
                                        << "глюк" << -1;
        QTest::newRow("prefix first") << "хак"
                                      << "хакер" << -1;
        QTest::newRow("equal") << "хакер"
                               << "хакер" << 0;
        QTest::newRow("later letter") << "юзер"
                                      << "админ" << 1;
        QTest::newRow("case matters") << "Хакер"
                                      << "хакер" << 1;
    }

    void comparison()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, sign);
        const int r = AnsiCompareStr(toCp1251(a), toCp1251(b));
        QCOMPARE((r > 0) - (r < 0), sign);
    }

    void stringListText_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::newRow("mixed line ends") << QByteArray("a\r\nb\nc\rd") << QList<QByteArray> {"a", "b", "c", "d"};
        QTest::newRow("final break adds nothing") << QByteArray("a\r\n") << QList<QByteArray> {"a"};
        QTest::newRow("empty text") << QByteArray() << QList<QByteArray> {};
        QTest::newRow("empty lines kept") << QByteArray("\r\n\r\nx") << QList<QByteArray> {"", "", "x"};
        QTest::newRow("LF CR is two breaks") << QByteArray("a\n\rb") << QList<QByteArray> {"a", "", "b"};
        QTest::newRow("zero byte ends the text") << QByteArray("a\nb\0c\nd", 7) << QList<QByteArray> {"a", "b"};
        QTest::newRow("lone CR at end") << QByteArray("a\r") << QList<QByteArray> {"a"};
    }

    void stringListText()
    {
        QFETCH(QByteArray, text);
        QFETCH(QList<QByteArray>, lines);
        StringList list;
        list.append("stale");
        list.setText(text);
        QCOMPARE(list.lines(), lines);
        QByteArray joined;
        for (const QByteArray &l : lines)
            joined += l + "\r\n";
        QCOMPARE(list.text(), joined);
    }

    void indexOf()
    {
        StringList list;
        list.setText(toCp1251(QStringLiteral("превед\nмедвед\nПревед")));
        QCOMPARE(list.IndexOf(toCp1251(QStringLiteral("ПРЕВЕД"))), qsizetype(0));
        QCOMPARE(list.IndexOf(toCp1251(QStringLiteral("медвед"))), qsizetype(1));
        QCOMPARE(list.IndexOf(toCp1251(QStringLiteral("медве"))), qsizetype(-1));
        QCOMPARE(StringList().IndexOf("x"), qsizetype(-1));
    }
};

QTEST_GUILESS_MAIN(TestText)
#include "tst_text.moc"
