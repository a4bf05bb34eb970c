// The Qt side of the dictionary: the description pane and its labels, the
// letter tabs, the word list model and the GIF animation.
#include "dict/description.h"
#include "view/descriptionpane.h"
#include "view/gifanimator.h"
#include "view/lettertabcontrol.h"
#include "view/skin.h"
#include "view/wordlistmodel.h"
#include <QApplication>

#include <QFile>
#include <QMovie>
#include <QPointer>
#include <QScrollBar>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

namespace {

QByteArray fixture(const char *name)
{
    QFile f(QStringLiteral(BRIVELA_FIXTURES_DIR "/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A description of `lines` plain lines of two words each.
std::unique_ptr<TWordDescription> description(int lines, const QByteArray &word = "word")
{
    auto d = std::make_unique<TWordDescription>();
    for (int i = 0; i < lines; ++i) {
        auto line = std::make_unique<TDescriptionLine>();
        line->append(std::make_unique<TTextElement>(word + QByteArray::number(i)));
        line->append(std::make_unique<TSpaceElement>());
        line->append(std::make_unique<TRefElement>(i, "link"));
        d->appendLine(std::move(line));
    }
    return d;
}

StringList captions(int n)
{
    StringList list;
    for (int i = 0; i < n; ++i)
        list.append(QByteArray(1, char(0xC0 + i))); // А, Б, В...
    return list;
}

} // namespace

class TestView : public QObject
{
    Q_OBJECT

private slots:
    void labelsAreTenPointPlainText()
    {
        applySkin(*qApp);
        DescriptionPaneWidget pane;
        pane.resize(369, 305);
        auto line = std::make_unique<TDescriptionLine>();
        line->append(std::make_unique<TTextElement>("<b>bold?</b>"));
        line->append(std::make_unique<TRefElement>(3, "\xD1\xEB\xEE\xE2\xEE")); // "Слово"
        line->Layout(pane, 10);

        DescriptionLabelWidget *text = pane.label(0);
        DescriptionLabelWidget *link = pane.label(1);
        QCOMPARE(text->text(), QStringLiteral("<b>bold?</b>"));
        QCOMPARE(text->textFormat(), Qt::PlainText);
        QCOMPARE(text->font().pointSize(), 10);
        // The page's narrow face reaches every label, also under the skin.
        QCOMPARE(text->font().family(), pane.content()->font().family());
        QCOMPARE(pane.content()->font().family(), QStringLiteral("Nimbus Sans Narrow"));
        QCOMPARE(text->size(), text->sizeHint());
        QCOMPARE(link->text(), QStringLiteral("Слово"));
        QCOMPARE(link->x(), 10 + text->width());
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(text->cursor().shape(), Qt::ArrowCursor);
    }

    void linkClickReachesTheHandler()
    {
        DescriptionPaneWidget pane;
        pane.resize(369, 305);
        QList<int> clicked;
        pane.setLinkClickHandler([&](DescriptionLabel &label) { clicked.append(label.tag()); });
        auto page = description(2);
        page->ShowDescription(pane, -1);
        pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));
        QTest::mouseClick(pane.label(0), Qt::LeftButton); // text: no handler
        QTest::mouseClick(pane.label(3), Qt::LeftButton);
        QCOMPARE(clicked, QList<int> {1});
    }

    // A long page makes the content taller than the view so that it scrolls;
    // every new page starts at the top; a short one needs no scroll bar.
    void longPagesScroll()
    {
        DescriptionPaneWidget pane;
        pane.resize(369, 305);
        pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));

        auto longPage = description(60);
        longPage->ShowDescription(pane, -1);
        pane.pageShown();
        QVERIFY(pane.content()->height() > pane.viewport()->height());
        QVERIFY(pane.content()->height() >= pane.label(pane.childCount() - 1)->geometry().bottom());
        QVERIFY(pane.verticalScrollBar()->maximum() > 0);
        QCOMPARE(pane.horizontalScrollBar()->maximum(), 0);
        pane.verticalScrollBar()->setValue(pane.verticalScrollBar()->maximum());

        longPage->ShowDescription(pane, -1);
        pane.pageShown();
        QCOMPARE(pane.verticalScrollBar()->value(), 0);

        auto shortPage = description(2, "short");
        shortPage->ShowDescription(pane, -1);
        pane.pageShown();
        QTRY_COMPARE(pane.content()->size(), pane.viewport()->size());
        QCOMPARE(pane.verticalScrollBar()->maximum(), 0);
    }

    void panePagesLiveThroughThreeShowings()
    {
        DescriptionPaneWidget pane;
        auto page = description(1);
        page->ShowDescription(pane, -1);
        QPointer<DescriptionLabelWidget> first = pane.label(0);
        page->ShowDescription(pane, -1);
        QVERIFY(first && first->isHidden());
        QCOMPARE(pane.childCount(), 4);
        page->ShowDescription(pane, -1);
        QVERIFY(!first);
        QCOMPARE(pane.childCount(), 4);
        QCOMPARE(pane.content()->findChildren<DescriptionLabelWidget *>().size(), 4);
    }

    void tabSelection_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("notified");

        QTest::newRow("another tab") << 3 << 3 << 1;
        QTest::newRow("the selected tab") << 0 << 0 << 0;
        QTest::newRow("negative") << -1 << 0 << 0;
        QTest::newRow("past the last") << 5 << 0 << 0;
    }

    void tabSelection()
    {
        QFETCH(int, index);
        QFETCH(int, selected);
        QFETCH(int, notified);

        LetterTabControl tabs;
        tabs.resize(583, 356);
        QSignalSpy changed(&tabs, &LetterTabControl::currentChanged);
        QCOMPARE(tabs.currentIndex(), -1);
        tabs.setTabs(captions(5));
        QCOMPARE(tabs.currentIndex(), 0);
        QCOMPARE(changed.count(), 0);
        tabs.setCurrentIndex(index);
        QCOMPARE(tabs.currentIndex(), selected);
        QCOMPARE(changed.count(), notified);
        for (int i = 0; i < tabs.count(); ++i)
            QCOMPARE(tabs.tabButton(i)->isChecked(), i == selected);
    }

    // Tabs that do not fit on one row wrap onto more, each row filled.
    void tabsWrap_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("rows");
        QTest::newRow("a few") << 6 << 1;
        QTest::newRow("the whole alphabet") << 32 << 2;
        QTest::newRow("more than two rows hold") << 60 << 4;
    }

    void tabsWrap()
    {
        QFETCH(int, count);
        QFETCH(int, rows);
        LetterTabControl tabs;
        tabs.resize(583, 356);
        StringList list;
        for (int i = 0; i < count; ++i)
            list.append(QByteArray(1, char(i)));
        tabs.setTabs(list);
        QSet<int> tops;
        for (int i = 0; i < count; ++i) {
            const QRect r = tabs.tabButton(i)->geometry();
            QVERIFY(r.left() >= 0 && r.right() < 583);
            QVERIFY(r.width() >= LetterTabControl::MinTabWidth);
            tops.insert(r.top());
        }
        QCOMPARE(tops.size(), rows);
        QCOMPARE(tabs.pageTop(), 1 + rows * LetterTabControl::TabHeight);
    }

    void tabClickAndKeys()
    {
        LetterTabControl tabs;
        tabs.resize(583, 356);
        tabs.setTabs(captions(4));
        tabs.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tabs));
        QSignalSpy changed(&tabs, &LetterTabControl::currentChanged);
        QTest::mouseClick(tabs.tabButton(2), Qt::LeftButton);
        QTest::mouseClick(tabs.tabButton(2), Qt::LeftButton); // already selected: stays down
        QCOMPARE(tabs.currentIndex(), 2);
        QVERIFY(tabs.tabButton(2)->isChecked());
        QTest::keyClick(&tabs, Qt::Key_Right);
        QTest::keyClick(&tabs, Qt::Key_Right); // past the last: nothing
        QCOMPARE(tabs.currentIndex(), 3);
        QCOMPARE(changed.count(), 2);
    }

    void listModelHoldsOnlyACount()
    {
        WordListModel model;
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        model.setCount(5);
        QCOMPARE(model.rowCount(), 5);
        model.setCount(5);
        model.setCount(2);
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(removed.count(), 1);
        QVERIFY(!model.data(model.index(0, 0), Qt::DisplayRole).isValid());
        model.setCount(-3);
        QCOMPARE(model.rowCount(), 0);
    }

    // The animation keeps its own copy of the bytes and plays them.
    void gifAnimatorPlaysItsCopy()
    {
        GifAnimator gif;
        gif.resize(468, 60);
        QByteArray bytes = fixture("banner-animated.gif");
        QVERIFY(!bytes.isEmpty());
        gif.setGif(bytes);
        bytes.fill('\0');
        QVERIFY(gif.movie());
        QCOMPARE(gif.movie()->state(), QMovie::Running);
        QCOMPARE(gif.movie()->frameCount(), 2);
        QCOMPARE(gif.gif(), fixture("banner-animated.gif"));
        QCOMPARE(gif.size(), QSize(468, 60));

        QSignalSpy clicked(&gif, &GifAnimator::clicked);
        gif.show();
        QVERIFY(QTest::qWaitForWindowExposed(&gif));
        QTest::mouseClick(&gif, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);

        gif.clearGif();
        QVERIFY(!gif.movie());
        QVERIFY(gif.gif().isEmpty());
    }
};

QTEST_MAIN(TestView)
#include "tst_view.moc"
