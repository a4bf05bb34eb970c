#include "forms/guidetable.h"

#include <QTest>

using Cells = QList<QByteArray>;

class TestGuideTable : public QObject
{
    Q_OBJECT

private slots:
    void splitTwoColumns_data();
    void splitTwoColumns();
    void splitThreeColumns_data();
    void splitThreeColumns();
};

void TestGuideTable::splitTwoColumns_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<Cells>("cells");

    QTest::newRow("no tab") << QByteArray("abc") << Cells {"abc", ""};
    QTest::newRow("empty line") << QByteArray("") << Cells {"", ""};
    QTest::newRow("leading tab") << QByteArray("\tb") << Cells {"", "b"};
    QTest::newRow("trailing tab") << QByteArray("a\t") << Cells {"a", ""};
    QTest::newRow("one tab") << QByteArray(":-)\tsmile") << Cells {":-)", "smile"};
    QTest::newRow("later tabs stay in column 1") << QByteArray("a\tb\tc") << Cells {"a", "b\tc"};
    QTest::newRow("blanks are kept") << QByteArray(" a \t b ") << Cells {" a ", " b "};
}

void TestGuideTable::splitTwoColumns()
{
    QFETCH(QByteArray, line);
    QFETCH(Cells, cells);
    QCOMPARE(::splitTwoColumns(line), cells);
}

void TestGuideTable::splitThreeColumns_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<Cells>("cells");

    QTest::newRow("three cells") << QByteArray("a\tb\tc") << Cells {"a", "b", "c"};
    QTest::newRow("two cells") << QByteArray("a\tb") << Cells {"a", "b", ""};
    QTest::newRow("one cell") << QByteArray("a") << Cells {"a", "", ""};
    QTest::newRow("empty line") << QByteArray("") << Cells {"", "", ""};
    QTest::newRow("empty middle") << QByteArray("a\t\tc") << Cells {"a", "", "c"};
    QTest::newRow("empty first") << QByteArray("\tb\tc") << Cells {"", "b", "c"};
    QTest::newRow("only tabs") << QByteArray("\t\t") << Cells {"", "", ""};
    QTest::newRow("later tabs stay in column 2") << QByteArray("a\tb\tc\td") << Cells {"a", "b", "c\td"};
}

void TestGuideTable::splitThreeColumns()
{
    QFETCH(QByteArray, line);
    QFETCH(Cells, cells);
    QCOMPARE(::splitThreeColumns(line), cells);
}

QTEST_APPLESS_MAIN(TestGuideTable)
#include "tst_guidetable.moc"
