#include "forms/textform.h"
#include "text/cp1251.h"
#include "text/stringlist.h"
#include "view/skin.h"
#include "whenmodal.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {

QTableWidget *gridOf(const TTextForm &form) { return form.findChild<QTableWidget *>(QStringLiteral("TeStringGrid1")); }

StringList listOf(const QStringList &lines)
{
    StringList list;
    for (const QString &line : lines)
        list.append(toCp1251(line));
    return list;
}

// Eighty sorted extensions a00 ... a79, more than the grid shows at once.
StringList extensions()
{
    StringList list;
    for (int i = 0; i < 80; ++i)
        list.append(QByteArray("a") + QByteArray::number(i).rightJustified(2, '0') + "\tdescription\tprogram");
    return list;
}

} // namespace

class TestTextForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void emptyList_data();
    void emptyList();
    void fillsAndSizesToContent();
    void extensionsTableHasSearch();
    void search_data();
    void search();
    void showGuideTableClosesOnOk();
};

void TestTextForm::initTestCase() { applySkin(*qApp); }

void TestTextForm::emptyList_data()
{
    QTest::addColumn<bool>("extensions");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("width");

    QTest::newRow("two columns") << false << 2 << 52;
    QTest::newRow("three columns") << true << 3 << 58;
}

void TestTextForm::emptyList()
{
    QFETCH(bool, extensions);
    QFETCH(int, columns);
    QFETCH(int, width);

    const StringList empty;
    const auto form = extensions ? TTextForm::createExtensionsTable(nullptr, empty)
                                 : TTextForm::createGuideTable(nullptr, "Users", empty);
    QTableWidget *grid = gridOf(*form);
    QCOMPARE(grid->rowCount(), 1);
    QCOMPARE(grid->columnCount(), columns);
    for (int column = 0; column < columns; ++column) {
        QCOMPARE(grid->columnWidth(column), 6);
        QVERIFY(!grid->item(0, column) || grid->item(0, column)->text().isEmpty());
    }
    QCOMPARE(form->width(), width);
    QCOMPARE(form->height(), 472);
}

void TestTextForm::fillsAndSizesToContent()
{
    // The widest cells of the two columns lie in different rows.
    const auto form = TTextForm::createGuideTable(
        nullptr, toCp1251(QStringLiteral("Смайлики")),
        listOf({QStringLiteral(":-)\tулыбка во весь рот"), QStringLiteral(";-)))))\tподмигивание"),
                QStringLiteral("без табуляции")}));
    QCOMPARE(form->windowTitle(), QStringLiteral("Смайлики"));

    QTableWidget *grid = gridOf(*form);
    QCOMPARE(grid->rowCount(), 3);
    QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("улыбка во весь рот"));
    QCOMPARE(grid->item(1, 0)->text(), QStringLiteral(";-)))))"));
    QCOMPARE(grid->item(2, 0)->text(), QStringLiteral("без табуляции"));
    QCOMPARE(grid->item(2, 1)->text(), QString());

    const QFontMetrics metrics(grid->font());
    const int first = metrics.horizontalAdvance(QStringLiteral("без табуляции"));
    const int second = metrics.horizontalAdvance(QStringLiteral("улыбка во весь рот"));
    QCOMPARE(grid->columnWidth(0), first + 6);
    QCOMPARE(grid->columnWidth(1), second + 6);
    QCOMPARE(form->width(), first + second + 52);
    QCOMPARE(form->height(), 472);
    QCOMPARE(grid->verticalHeader()->sectionSize(0), 18);

    // Two-column tables have no search.
    QVERIFY(!form->findChild<QLineEdit *>(QStringLiteral("TeEdit1"))->isVisibleTo(form.get()));
    QVERIFY(!form->findChild<QLabel *>(QStringLiteral("Image1"))->isVisibleTo(form.get()));
}

void TestTextForm::extensionsTableHasSearch()
{
    const auto form = TTextForm::createExtensionsTable(
        nullptr, listOf({QStringLiteral("7z\tАрхив 7-Zip\t7-Zip, WinRAR"), QStringLiteral("bak")}));
    QCOMPARE(form->windowTitle(), QStringLiteral("Extensions"));
    QTableWidget *grid = gridOf(*form);
    QCOMPARE(grid->columnCount(), 3);
    QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("Архив 7-Zip"));
    QCOMPARE(grid->item(0, 2)->text(), QStringLiteral("7-Zip, WinRAR"));
    QCOMPARE(grid->item(1, 0)->text(), QStringLiteral("bak"));
    QCOMPARE(grid->item(1, 2)->text(), QString());

    const QFontMetrics metrics(grid->font());
    const int first
        = std::max(metrics.horizontalAdvance(QStringLiteral("7z")), metrics.horizontalAdvance(QStringLiteral("bak")));
    QCOMPARE(form->width(), first + metrics.horizontalAdvance(QStringLiteral("Архив 7-Zip"))
                                + metrics.horizontalAdvance(QStringLiteral("7-Zip, WinRAR")) + 58);
    QVERIFY(form->findChild<QLineEdit *>(QStringLiteral("TeEdit1"))->isVisibleTo(form.get()));
    QVERIFY(form->findChild<QLabel *>(QStringLiteral("Image1"))->isVisibleTo(form.get()));
}

void TestTextForm::search_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("row");

    QTest::newRow("lower-case prefix") << QString() << QStringLiteral("a3") << 30;
    QTest::newRow("upper-case prefix") << QString() << QStringLiteral("A3") << 30;
    QTest::newRow("between entries") << QString() << QStringLiteral("a305") << 31;
    QTest::newRow("equal text selects its own row") << QString() << QStringLiteral("a17") << 17;
    QTest::newRow("equal text in upper case") << QString() << QStringLiteral("A17") << 17;
    QTest::newRow("past the end selects row 0") << QStringLiteral("a50") << QStringLiteral("zz") << 0;
    QTest::newRow("cleared text keeps the selection") << QStringLiteral("a40") << QString() << 40;
}

// The found row is the only selected cell (column 0) and the top row shown.
void TestTextForm::search()
{
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(int, row);

    const auto form = TTextForm::createExtensionsTable(nullptr, extensions());
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QTableWidget *grid = gridOf(*form);
    auto *edit = form->findChild<QLineEdit *>(QStringLiteral("TeEdit1"));

    if (!before.isEmpty())
        QTest::keyClicks(edit, before);
    edit->clear();
    QTest::keyClicks(edit, typed);

    QCOMPARE(grid->selectionModel()->selectedIndexes(), QModelIndexList {grid->model()->index(row, 0)});
    QCOMPARE(grid->currentRow(), row);
    QCOMPARE(grid->rowAt(0), row);
}

void TestTextForm::showGuideTableClosesOnOk()
{
    bool shown = false;
    whenModal([&shown](QWidget *modal) {
        auto *form = qobject_cast<TTextForm *>(modal);
        if (!form) {
            modal->close();
            return;
        }
        shown = form->windowTitle() == QLatin1String("Acronym")
                && form->findChild<QTableWidget *>(QStringLiteral("TeStringGrid1"))->rowCount() == 2;
        QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("TeButton1")), Qt::LeftButton);
    });
    TTextForm::ShowGuideTable(nullptr, "Acronym",
                              listOf({QStringLiteral("IMHO\tпо-моему"), QStringLiteral("AFAIK\tнасколько знаю")}));
    QVERIFY(shown);
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TestTextForm)
#include "tst_textform.moc"
