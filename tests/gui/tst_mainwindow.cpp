// The real main window over small word bases written for each test: the form,
// the load and its hand-over, browsing by tab, search, links and banners.
#include "app/brivela.h"
#include "app/dialogautoclose.h"
#include "testwordbase.h"
#include "text/cp1251.h"
#include "urlcatcher.h"
#include "view/descriptionpane.h"
#include "view/gifanimator.h"
#include "view/lettertabcontrol.h"
#include "view/skin.h"
#include "wordbase/banner.h"
#include "wordbase/container.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMovie>
#include <QPointer>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <memory>

namespace {

QByteArray fixture(const char *name)
{
    QFile f(QStringLiteral(BRIVELA_FIXTURES_DIR "/") + QLatin1String(name));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", name);
    return f.readAll();
}

// Headwords by word id: А|дмин 0, Апгр|ейд 1, Б|аг 2, Гл|юк 3, Х|акер 4,
// Х|ацкер 5, |Юзер 6, faq 7, Ар|хив 8, Юз|ать 9. Each description starts with its own
// word, so the first label tells which description is on show.
TestWordBase standardBase()
{
    TestWordBase base;
    base.edition = 7;
    const int admin
        = base.addDescription({QStringLiteral(">Админ и {4:хакер} в одном лице"), QStringLiteral(".второй ряд")});
    const int upgrade = base.addDescription({QStringLiteral(".Апгрейд железа, см. {8:архив}")});
    const int bug = base.addDescription(
        {QStringLiteral(".Баг виноват {4:хакер}, смайлик {-1:тут}, пропавшее {99:слово}, странное {-5:нечто}")});
    const int hacker = base.addDescription({QStringLiteral(".Хакер знает всё")});
    const int user = base.addDescription({QStringLiteral(".Юзер пользуется")});
    const int faq = base.addDescription({QStringLiteral(".Частые вопросы")});
    const int archive = base.addDescription({QStringLiteral(".Архив файлов")});
    base.addWord(QStringLiteral("А|дмин"), admin);
    base.addWord(QStringLiteral("Апгр|ейд"), upgrade);
    base.addWord(QStringLiteral("Б|аг"), bug);
    base.addWord(QStringLiteral("Гл|юк"), bug);
    base.addWord(QStringLiteral("Х|акер"), hacker);
    base.addWord(QStringLiteral("Х|ацкер"), hacker);
    base.addWord(QStringLiteral("|Юзер"), user);
    base.addWord(QStringLiteral("faq"), faq);
    base.addWord(QStringLiteral("Ар|хив"), archive);
    base.addWord(QStringLiteral("Юз|ать"), user);
    base.anecdotes = {QStringLiteral("Первый"), QStringLiteral("Второй")};
    base.banners
        = {{fixture("banner-red.gif"), QStringLiteral("Красный"), QStringLiteral("https://example.org/red")},
           {fixture("banner-green.gif"), QStringLiteral("Зелёный"), QStringLiteral("https://example.org/green")},
           {fixture("banner-blue.gif"), QStringLiteral("Синий"), QStringLiteral("https://example.org/blue")}};
    base.refused = {QStringLiteral("превед"), QStringLiteral("ужоснах"), QStringLiteral("апгрейдер")};
    return base;
}

// Types text key by key, as a user would (QTest::keyClicks takes only ASCII).
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Clicks a widget through its window, as the windowing system delivers a
// click: the widget gets the release only if it took the press.
void clickThroughWindow(QWidget *widget)
{
    QWidget *top = widget->window();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, widget->mapTo(top, widget->rect().center()));
}

// Reports the text of a label each time it is painted.
class PaintWatcher : public QObject
{
public:
    PaintWatcher(QLabel *label, std::function<void(const QString &)> onPaint) : m_onPaint(std::move(onPaint))
    {
        label->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            m_onPaint(static_cast<QLabel *>(watched)->text());
        return false;
    }

private:
    std::function<void(const QString &)> m_onPaint;
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_fileNumber = 0;

    QString writeBase(const QByteArray &file)
    {
        const QString path = m_dir.filePath(QStringLiteral("base%1/brivela.dat").arg(++m_fileNumber));
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(file) != file.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    // A shown window that has loaded the base.
    std::unique_ptr<TBrivela> open(const TestWordBase &base)
    {
        auto window = std::make_unique<TBrivela>(writeBase(base.file()));
        window->show();
        if (!QTest::qWaitFor([&] { return window->isLoaded(); }, 5000))
            qWarning("the word base did not load");
        return window;
    }

    static LetterTabControl *tabs(TBrivela &w)
    {
        return w.findChild<LetterTabControl *>(QStringLiteral("TeTabControl1"));
    }
    static QListView *list(TBrivela &w) { return w.findChild<QListView *>(QStringLiteral("TeListBox1")); }
    static QLineEdit *edit(TBrivela &w) { return w.findChild<QLineEdit *>(QStringLiteral("TeEdit1")); }
    static DescriptionPaneWidget *pane(TBrivela &w)
    {
        return w.findChild<DescriptionPaneWidget *>(QStringLiteral("TeScrollBox1"));
    }
    static GifAnimator *banner(TBrivela &w) { return w.findChild<GifAnimator *>(QStringLiteral("RxGIFAnimator3")); }
    static QAction *action(TBrivela &w, const char *name) { return w.findChild<QAction *>(QLatin1String(name)); }

    static QString currentTab(TBrivela &w)
    {
        const int i = tabs(w)->currentIndex();
        return i < 0 ? QString() : fromCp1251(tabs(w)->tabs().at(i));
    }
    static int currentRow(TBrivela &w)
    {
        const QModelIndex i = list(w)->currentIndex();
        return i.isValid() && list(w)->selectionModel()->isSelected(i) ? i.row() : -1;
    }
    static int rowCount(TBrivela &w) { return list(w)->model()->rowCount(); }

    static QList<DescriptionLabelWidget *> visibleLabels(TBrivela &w)
    {
        QList<DescriptionLabelWidget *> out;
        for (int i = 0; i < pane(w)->childCount(); ++i)
            if (pane(w)->isChildVisible(i))
                out.append(pane(w)->label(i));
        return out;
    }
    static QString firstWord(TBrivela &w)
    {
        const auto labels = visibleLabels(w);
        return labels.isEmpty() ? QString() : labels.first()->text();
    }
    static DescriptionLabelWidget *linkLabel(TBrivela &w, int tag)
    {
        for (DescriptionLabelWidget *l : visibleLabels(w))
            if (l->tag() == tag && l->cursor().shape() == Qt::PointingHandCursor)
                return l;
        return nullptr;
    }
    static void pickTab(TBrivela &w, const QString &caption)
    {
        const int i = int(tabs(w)->tabs().IndexOf(toCp1251(caption)));
        QVERIFY(i >= 0);
        if (i == tabs(w)->currentIndex()) // go through another tab, so the pick is a change
            QTest::mouseClick(tabs(w)->tabButton(i == 0 ? 1 : 0), Qt::LeftButton);
        QTest::mouseClick(tabs(w)->tabButton(i), Qt::LeftButton);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        applySkin(*qApp);
    }

    void formLayout()
    {
        auto w = open(standardBase());
        QCOMPARE(w->windowTitle(), QStringLiteral("Brivela"));
        QCOMPARE(w->size(), QSize(583, 512));
        QCOMPARE(w->minimumSize(), w->maximumSize());

        const auto at = [&](const char *name) {
            auto *widget = w->findChild<QWidget *>(QLatin1String(name));
            return widget ? QRect(widget->mapTo(w.get(), QPoint(0, 0)), widget->size()) : QRect();
        };
        QCOMPARE(at("TeMenuBar1"), QRect(0, 0, 583, 19));
        QCOMPARE(at("TeToolBar1"), QRect(0, 19, 583, 37));
        QCOMPARE(at("TeTabControl1"), QRect(0, 56, 583, 356));
        QCOMPARE(at("TeListBox1"), QRect(8, 96, 177, 276));
        QCOMPARE(at("TeScrollBox1"), QRect(200, 96, 369, 305));
        QCOMPARE(at("Image1"), QRect(11, 379, 16, 16));
        QCOMPARE(at("TeEdit1"), QRect(32, 376, 153, 21));
        QCOMPARE(at("TePanel2"), QRect(0, 412, 583, 78));
        QCOMPARE(at("RxGIFAnimator2"), QRect(16, 420, 58, 58));
        QCOMPARE(at("RxGIFAnimator3"), QRect(96, 420, 468, 60));
        QCOMPARE(at("TeStatusBar1"), QRect(0, 490, 583, 22));
        QCOMPARE(at("TeStatusPanel0").width(), 120);
        QCOMPARE(at("TeStatusPanel1").width(), 300);

        // The tool bar, left to right, at the places of the form.
        const struct {
            const char *name;
            int left;
            int width;
        } bar[] = {{"TeSpeedButton1", 11, 37},    {"TeSpeedDivider1", 48, 8},  {"TeSpeedButton2", 56, 37},
                   {"TeSpeedButton3", 93, 37},    {"TeSpeedButton4", 130, 37}, {"TeSpeedButton5", 167, 37},
                   {"TeSpeedDivider2", 204, 8},   {"TeSpeedButton7", 212, 37}, {"TeSpeedButton6", 249, 37},
                   {"TeSpeedContainer2", 489, 88}};
        for (const auto &item : bar) {
            const QRect r = at(item.name);
            QVERIFY2(
                r.left() == item.left && r.width() == item.width,
                qPrintable(
                    QStringLiteral("%1 at %2 width %3").arg(QLatin1String(item.name)).arg(r.left()).arg(r.width())));
        }
        QCOMPARE(at("RxGIFAnimator1").size(), QSize(88, 31));

        // Keyboard order inside the tab control: list, search box, description.
        QApplication::setActiveWindow(w.get());
        list(*w)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), edit(*w));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), pane(*w));
    }

    void menusAndCommands()
    {
        auto w = open(standardBase());
        const QMenuBar *bar = w->findChild<QMenuBar *>(QStringLiteral("TeMenuBar1"));
        QStringList menus;
        for (QAction *m : bar->actions()) {
            QStringList items;
            for (QAction *a : m->menu()->actions())
                items.append(a->isSeparator() ? QStringLiteral("-") : a->objectName());
            menus.append(m->text() + QLatin1Char(':') + items.join(QLatin1Char(',')));
        }
        QCOMPARE(menus, (QStringList {QStringLiteral("&File:FileExit1"),
                                      QStringLiteral("&Guide:Smiley1,Acronym1,Extensions1,Users1"),
                                      QStringLiteral("&Help:Advertising1,Feedback1,-,HelpAbout1")}));

        const struct {
            const char *name;
            const char *caption;
            const char *hint;
            bool picture;
        } actions[] = {{"FileExit1", "E&xit", "Exit", true},
                       {"HelpAbout1", "A&bout", "About", true},
                       {"Smiley1", "&Smiley", "Smiley", true},
                       {"Acronym1", "&Acronym", "Acronym", true},
                       {"Extensions1", "&Extensions", "Extensions", true},
                       {"Users1", "&Users", "Users", true},
                       {"Advertising1", "Advertising", "Advertising", false},
                       {"Feedback1", "Feedback", "Feedback", true}};
        for (const auto &a : actions) {
            QAction *act = action(*w, a.name);
            QVERIFY2(act, a.name);
            QCOMPARE(act->text(), QString::fromUtf8(a.caption));
            QCOMPARE(act->toolTip(), QString::fromUtf8(a.hint));
            QCOMPARE(!act->icon().isNull(), a.picture);
        }

        // Each tool button runs its action once, as the menu item does.
        const QToolBar *toolBar = w->findChild<QToolBar *>(QStringLiteral("TeToolBar1"));
        QSignalSpy users(action(*w, "Users1"), &QAction::triggered);
        DialogAutoCloser closer(0);
        QTest::mouseClick(toolBar->findChild<QToolButton *>(QStringLiteral("TeSpeedButton5")), Qt::LeftButton);
        QCOMPARE(users.count(), 1);
        QCOMPARE(closer.closed(), QStringList {QStringLiteral("Users")});
        QCOMPARE(static_cast<QToolButton *>(toolBar->findChild<QToolButton *>(QStringLiteral("TeSpeedButton5")))
                     ->defaultAction(),
                 action(*w, "Users1"));
    }

    void makerLogoAndFeedbackOpenTheirLinks()
    {
        auto w = open(standardBase());
        UrlCatcher catcher;
        clickThroughWindow(w->findChild<GifAnimator *>(QStringLiteral("RxGIFAnimator1")));
        QTest::mouseClick(w->findChild<QToolButton *>(QStringLiteral("TeSpeedButton7")), Qt::LeftButton);
        QCOMPARE(catcher.urls.size(), 2);
        QCOMPARE(catcher.urls[0], QUrl(QStringLiteral("https://quennic.example/")));
        QCOMPARE(catcher.urls[1].toString(QUrl::FullyEncoded),
                 QStringLiteral("mailto:feedback@quennic.example?subject=BRIVELA%20feedback"));
    }

    void exitClosesTheWindow()
    {
        auto w = open(standardBase());
        action(*w, "FileExit1")->trigger();
        QVERIFY(!w->isVisible());
    }

    void restoreRequestBringsTheWindowBack()
    {
        auto w = open(standardBase());
        w->showMinimized();
        QTRY_VERIFY(w->isMinimized());
        w->restoreWindow();
        QVERIFY(!w->isMinimized());
        QVERIFY(w->isVisible());
    }

    // Nothing is read before the window is first painted; then the load hands
    // over to browsing, the banners and the anecdotes.
    void loadOnFirstPaint()
    {
        TBrivela w(writeBase(standardBase().file()));
        // Every step's text is painted while the load still runs.
        QStringList painted;
        PaintWatcher watcher(w.statusPanel(1), [&](const QString &text) {
            if (painted.isEmpty() || painted.last() != text)
                painted.append(text);
        });
        QTest::qWait(50);
        QVERIFY(!w.isLoaded());
        QCOMPARE(w.statusPanel(1)->text(), QStringLiteral("words"));
        QCOMPARE(w.statusPanel(0)->text(), QStringLiteral("Version 1.0"));
        QVERIFY(!w.Timer1->isActive());

        w.show();
        QTRY_VERIFY(w.isLoaded());
        QCOMPARE(w.statusPanel(1)->text(), QStringLiteral("7 edition, 10 words, 2 anecdotes"));
        QCOMPARE(w.statusPanel(0)->text(), QStringLiteral("Version 1.0"));
        QCOMPARE(tabs(w)->tabs().lines(),
                 (QList<QByteArray> {"@", toCp1251(QStringLiteral("А")), toCp1251(QStringLiteral("Б")),
                                     toCp1251(QStringLiteral("Г")), toCp1251(QStringLiteral("Х")),
                                     toCp1251(QStringLiteral("Ю"))}));
        QCOMPARE(currentTab(w), QStringLiteral("@"));
        QCOMPARE(rowCount(w), 1);
        QCOMPARE(currentRow(w), 0);
        QCOMPARE(firstWord(w), QStringLiteral("Частые"));
        QVERIFY(w.Timer1->isActive());
        QCOMPARE(w.Timer1->interval(), 60000);
        QCOMPARE(w.FBannerIndex, 0);
        QCOMPARE(banner(w)->gif(), w.FBanners[0].Image);
        QCOMPARE(banner(w)->toolTip(), QStringLiteral("Красный"));
        QCOMPARE(w.FJokePool, (QList<int32_t> {0, 1}));
        QCOMPARE(painted,
                 (QStringList {
                     QStringLiteral("words"), QStringLiteral("Opening file brivela.dat..."),
                     QStringLiteral("Reading file brivela.dat..."), QStringLiteral("Checking file brivela.dat..."),
                     QStringLiteral("Processing file brivela.dat..."),
                     QStringLiteral("Checking version of brivela.dat..."), QStringLiteral("Loading words..."),
                     QStringLiteral("Loading smileys..."), QStringLiteral("Loading acronyms..."),
                     QStringLiteral("Loading users..."), QStringLiteral("Loading extensions..."),
                     QStringLiteral("Loading anecdotes..."), QStringLiteral("Loading banners..."),
                     QStringLiteral("Loading refused words..."), QStringLiteral("7 edition, 10 words, 2 anecdotes")}));
    }

    void loadFailure_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("missing");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("lastProgress");

        const TestWordBase good = standardBase();
        QByteArray damaged = good.file();
        damaged[damaged.size() / 2] = char(damaged[damaged.size() / 2] ^ 0x20);
        TestWordBase newer = good;
        newer.version = 2;
        TestWordBase older = good;
        older.version = 0;
        TestWordBase badGif = good;
        badGif.banners[1].gif = "GIF89a this is no picture";
        QByteArray cut = good.payload();
        cut.truncate(cut.indexOf(fixture("banner-green.gif")) + 10);

        QTest::newRow("missing") << QByteArray() << true << QStringLiteral("Cannot open file %1")
                                 << QStringLiteral("Opening file brivela.dat...");
        QTest::newRow("damaged") << damaged << false << QStringLiteral("Файл brivela.dat поврежден")
                                 << QStringLiteral("Checking file brivela.dat...");
        QTest::newRow("newer format") << newer.file() << false
                                      << QStringLiteral(
                                             "Исполняемый файл устарел. Необходимо скачать новую версию программы.")
                                      << QStringLiteral("Checking version of brivela.dat...");
        QTest::newRow("older format") << older.file() << false
                                      << QStringLiteral(
                                             "База слов brivela.dat устарела. Необходимо скачать новую версию.")
                                      << QStringLiteral("Checking version of brivela.dat...");
        QTest::newRow("banner not a GIF")
            << badGif.file() << false << gifError(badGif.banners[1].gif) << QStringLiteral("Loading banners...");
        QTest::newRow("banner cut short") << container::sealPayload(cut) << false << QStringLiteral("Stream read error")
                                          << QStringLiteral("Loading banners...");
    }

    // The message is shown in an error box while the window is on screen; then
    // the application is asked to end.
    void loadFailure()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, missing);
        QFETCH(QString, message);
        QFETCH(QString, lastProgress);

        QString path = writeBase(file);
        if (missing) {
            QFile::remove(path);
            message = message.arg(path);
        }
        DialogAutoCloser closer(0);
        TBrivela w(path);
        QSignalSpy terminate(&w, &TBrivela::terminateRequested);
        w.show();
        QTRY_COMPARE(terminate.count(), 1);
        QCOMPARE(closer.closed(), QStringList {QStringLiteral("Error: ") + message});
        QCOMPARE(w.statusPanel(1)->text(), lastProgress);
        QVERIFY(!w.isLoaded());
        QVERIFY(!w.Timer1->isActive());
    }

    void emptyWordBaseShowsEmptyWindow()
    {
        TestWordBase empty;
        DialogAutoCloser closer(0);
        auto w = open(empty);
        QVERIFY(w->isLoaded());
        QCOMPARE(w->statusPanel(1)->text(), QStringLiteral("1 edition, 0 words, 0 anecdotes"));
        QCOMPARE(tabs(*w)->count(), 0);
        QCOMPARE(tabs(*w)->currentIndex(), -1);
        QCOMPARE(rowCount(*w), 0);
        QCOMPARE(pane(*w)->childCount(), 0);
        typeText(edit(*w), QStringLiteral("абв"));
        QCOMPARE(rowCount(*w), 0);
        w->repaint();
        QVERIFY(closer.closed().isEmpty());
        QVERIFY(!w->Timer1->isActive());
    }

    void pickTab_data()
    {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("word");

        QTest::newRow("@") << QStringLiteral("@") << 1 << QStringLiteral("Частые");
        QTest::newRow("А") << QStringLiteral("А") << 3 << QStringLiteral("Админ");
        QTest::newRow("Б") << QStringLiteral("Б") << 1 << QStringLiteral("Баг");
        QTest::newRow("Г shares Б's description") << QStringLiteral("Г") << 1 << QStringLiteral("Баг");
        QTest::newRow("Х") << QStringLiteral("Х") << 2 << QStringLiteral("Хакер");
        QTest::newRow("Ю") << QStringLiteral("Ю") << 2 << QStringLiteral("Юзер");
    }

    void pickTab()
    {
        QFETCH(QString, tab);
        QFETCH(int, count);
        QFETCH(QString, word);

        auto w = open(standardBase());
        pickTab(*w, QStringLiteral("А"));
        list(*w)->setCurrentIndex(list(*w)->model()->index(2, 0));
        pickTab(*w, tab);
        QCOMPARE(currentTab(*w), tab);
        QCOMPARE(rowCount(*w), count);
        QCOMPARE(currentRow(*w), 0);
        QCOMPARE(firstWord(*w), word);
    }

    void clickingAWordShowsIt()
    {
        auto w = open(standardBase());
        pickTab(*w, QStringLiteral("А"));
        const QRect item = list(*w)->visualRect(list(*w)->model()->index(2, 0));
        QTest::mouseClick(list(*w)->viewport(), Qt::LeftButton, {}, item.center());
        QCOMPARE(currentRow(*w), 2);
        QCOMPARE(firstWord(*w), QStringLiteral("Архив"));
        QTest::keyClick(list(*w), Qt::Key_Up);
        QCOMPARE(currentRow(*w), 1);
        QCOMPARE(firstWord(*w), QStringLiteral("Апгрейд"));
    }

    void search_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("tab");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("word");

        QTest::newRow("а selects А and its first word")
            << QStringLiteral("а") << QStringLiteral("А") << 0 << QStringLiteral("Админ");
        QTest::newRow("prefix") << QStringLiteral("ап") << QStringLiteral("А") << 1 << QStringLiteral("Апгрейд");
        QTest::newRow("capitals are lower-cased")
            << QStringLiteral("АР") << QStringLiteral("А") << 2 << QStringLiteral("Архив");
        QTest::newRow("between two words")
            << QStringLiteral("адмирал") << QStringLiteral("А") << 1 << QStringLiteral("Апгрейд");
        QTest::newRow("stress mark is ignored")
            << QStringLiteral("апгрейд") << QStringLiteral("А") << 1 << QStringLiteral("Апгрейд");
        QTest::newRow("past every word: the first")
            << QStringLiteral("ая") << QStringLiteral("А") << 0 << QStringLiteral("Админ");
        QTest::newRow("second of two") << QStringLiteral("хац") << QStringLiteral("Х") << 1 << QStringLiteral("Хакер");
        QTest::newRow("stress on the first letter")
            << QStringLiteral("ю") << QStringLiteral("Ю") << 0 << QStringLiteral("Юзер");
        QTest::newRow("Latin goes to @") << QStringLiteral("F") << QStringLiteral("@") << 0 << QStringLiteral("Частые");
        QTest::newRow("letter without a tab changes nothing")
            << QStringLiteral("щ") << QStringLiteral("Б") << 0 << QStringLiteral("Баг");
    }

    void search()
    {
        QFETCH(QString, typed);
        QFETCH(QString, tab);
        QFETCH(int, row);
        QFETCH(QString, word);

        auto w = open(standardBase());
        pickTab(*w, QStringLiteral("Б"));
        typeText(edit(*w), typed);
        QCOMPARE(currentTab(*w), tab);
        QCOMPARE(currentRow(*w), row);
        QCOMPARE(firstWord(*w), word);
        QCOMPARE(edit(*w)->text(), typed);
    }

    // Typing on within a tab moves the selection only when the word changes;
    // the description on show is not laid out again.
    void searchKeepsAnUnchangedDescription()
    {
        auto w = open(standardBase());
        typeText(edit(*w), QStringLiteral("а"));
        const QPointer<DescriptionLabelWidget> shown = visibleLabels(*w).first();
        const int labels = pane(*w)->childCount();

        typeText(edit(*w), QStringLiteral("дм"));
        QCOMPARE(edit(*w)->text(), QStringLiteral("адм"));
        QCOMPARE(pane(*w)->childCount(), labels);
        QVERIFY(shown && !shown->isHidden());

        QTest::keyClick(edit(*w), Qt::Key_Backspace);
        QCOMPARE(pane(*w)->childCount(), labels);
        QVERIFY(shown && !shown->isHidden());

        QTest::keyClick(edit(*w), Qt::Key_Backspace);
        typeText(edit(*w), QStringLiteral("п"));
        QCOMPARE(currentRow(*w), 1);
        QVERIFY(shown && shown->isHidden());
        QCOMPARE(firstWord(*w), QStringLiteral("Апгрейд"));

        // Emptying the box by hand changes nothing.
        const QPointer<DescriptionLabelWidget> upgrade = visibleLabels(*w).first();
        QTest::keyClick(edit(*w), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit(*w), Qt::Key_Backspace);
        QVERIFY(edit(*w)->text().isEmpty());
        QCOMPARE(currentTab(*w), QStringLiteral("А"));
        QCOMPARE(currentRow(*w), 1);
        QVERIFY(upgrade && !upgrade->isHidden());
    }

    void refusedWords_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<int>("warnings");
        QTest::addColumn<QString>("textAfter");
        QTest::addColumn<QString>("tab");
        QTest::addColumn<int>("row");

        QTest::newRow("refused word") << QStringLiteral("превед") << false << 1 << QString() << QStringLiteral("Б")
                                      << 0;
        QTest::newRow("not yet complete")
            << QStringLiteral("прев") << false << 0 << QStringLiteral("прев") << QStringLiteral("Б") << 0;
        QTest::newRow("warns once, then typing goes on")
            << QStringLiteral("ужоснахх") << false << 1 << QStringLiteral("х") << QStringLiteral("Х") << 0;
        QTest::newRow("pasted with more after it")
            << QStringLiteral("ПРЕВЕДмедвед") << true << 1 << QString() << QStringLiteral("Б") << 0;
        QTest::newRow("navigation before the warning stays")
            << QStringLiteral("апгрейдер") << false << 1 << QString() << QStringLiteral("А") << 2;
    }

    void refusedWords()
    {
        QFETCH(QString, typed);
        QFETCH(bool, pasted);
        QFETCH(int, warnings);
        QFETCH(QString, textAfter);
        QFETCH(QString, tab);
        QFETCH(int, row);

        auto w = open(standardBase());
        pickTab(*w, QStringLiteral("Б"));
        DialogAutoCloser closer(0);
        if (pasted)
            edit(*w)->setText(typed);
        else
            typeText(edit(*w), typed);
        QCOMPARE(closer.closed().size(), warnings);
        for (const QString &shown : closer.closed()) {
            QVERIFY2(shown.startsWith(QStringLiteral("Warning: Таких слов здесь нет! ")), qPrintable(shown));
            QVERIFY(shown.size() > 40); // and a sentence of its own after it
        }
        QCOMPARE(edit(*w)->text(), textAfter);
        QCOMPARE(currentTab(*w), tab);
        QCOMPARE(currentRow(*w), row);
    }

    void links_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("tag");
        QTest::addColumn<QString>("tab");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("smileys");

        QTest::newRow("to another tab") << QStringLiteral("баг") << 4 << QStringLiteral("Х") << 0
                                        << QStringLiteral("Хакер") << 0;
        QTest::newRow("within the tab") << QStringLiteral("ап") << 8 << QStringLiteral("А") << 2
                                        << QStringLiteral("Архив") << 0;
        QTest::newRow("-1 opens the smileys")
            << QStringLiteral("баг") << -1 << QStringLiteral("Б") << 0 << QStringLiteral("Баг") << 1;
        QTest::newRow("unknown word id") << QStringLiteral("баг") << 99 << QStringLiteral("Б") << 0
                                         << QStringLiteral("Баг") << 0;
        QTest::newRow("other negative id")
            << QStringLiteral("баг") << -5 << QStringLiteral("Б") << 0 << QStringLiteral("Баг") << 0;
    }

    void links()
    {
        QFETCH(QString, from);
        QFETCH(int, tag);
        QFETCH(QString, tab);
        QFETCH(int, row);
        QFETCH(QString, word);
        QFETCH(int, smileys);

        auto w = open(standardBase());
        typeText(edit(*w), from);
        QPointer<DescriptionLabelWidget> link = linkLabel(*w, tag);
        QVERIFY(link);
        const bool navigates = smileys == 0 && tag >= 0 && tag != 99;
        const int labelsBefore = pane(*w)->childCount();
        QSignalSpy smiley(action(*w, "Smiley1"), &QAction::triggered);
        DialogAutoCloser closer(0);

        clickThroughWindow(link);
        QCOMPARE(currentTab(*w), tab);
        QCOMPARE(currentRow(*w), row);
        QCOMPARE(firstWord(*w), word);
        QCOMPARE(smiley.count(), smileys);
        QCOMPARE(closer.closed(), QStringList(smileys, QStringLiteral("Smiley")));
        if (!navigates) {
            QCOMPARE(pane(*w)->childCount(), labelsBefore); // the page was not laid out again
            return;
        }
        // The clicked label belonged to the page it replaced: it outlived its
        // click, hidden, and goes with the next page.
        QVERIFY(link);
        QVERIFY(link->isHidden());
        pickTab(*w, QStringLiteral("Ю"));
        QVERIFY(!link);
    }

    void wordListPaintsAccents()
    {
        auto w = open(standardBase());
        typeText(edit(*w), QStringLiteral("а"));
        QListView *view = list(*w);
        const QImage image = view->viewport()->grab().toImage();
        const auto count = [&](int row, auto match) {
            const QRect r = view->visualRect(view->model()->index(row, 0));
            int n = 0;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    n += match(QColor(image.pixel(x, y))) ? 1 : 0;
            return n;
        };
        const auto red = [](QColor c) { return c.red() > 200 && c.green() < 70 && c.blue() < 70; };
        const auto lime = [](QColor c) { return c.green() > 200 && c.red() < 70 && c.blue() < 70; };
        QCOMPARE(currentRow(*w), 0);
        QVERIFY(count(0, lime) > 0); // А|дмин, selected
        QCOMPARE(count(0, red), 0);
        QVERIFY(count(1, red) > 0); // Апгр|ейд
        QCOMPARE(count(1, lime), 0);
    }

    // The list shows the new letter's words in every row, also when the new
    // letter has as many words as the old one.
    void listRepaintsOnAnotherLetter()
    {
        auto w = open(standardBase());
        pickTab(*w, QStringLiteral("Х"));
        QListView *view = list(*w);
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        const QRect row1 = view->visualRect(view->model()->index(1, 0));
        const auto onScreen = [&] {
            QTest::qWait(50);
            const QPoint at = view->viewport()->mapTo(w.get(), row1.topLeft());
            return w->screen()->grabWindow(w->winId(), at.x(), at.y(), row1.width(), row1.height()).toImage();
        };
        const QImage hacker = onScreen();
        pickTab(*w, QStringLiteral("Ю"));
        QCOMPARE(rowCount(*w), 2);
        const QImage fresh = view->viewport()->grab(row1).toImage().convertToFormat(hacker.format());
        QVERIFY(onScreen() != hacker);
        QCOMPARE(onScreen(), fresh);
    }

    void bannerRotation()
    {
        auto w = open(standardBase());
        const auto shows = [&](int i, const char *hint) {
            QCOMPARE(w->FBannerIndex, i);
            QCOMPARE(banner(*w)->gif(), w->FBanners[size_t(i)].Image);
            QCOMPARE(banner(*w)->toolTip(), QString::fromUtf8(hint));
            QVERIFY(banner(*w)->movie() && banner(*w)->movie()->state() == QMovie::Running);
        };
        shows(0, "Красный");
        w->Timer1Timer(nullptr); // the loader's call shows, never advances
        shows(0, "Красный");
        w->Timer1Timer(w->Timer1);
        shows(1, "Зелёный");
        w->Timer1Timer(w->Timer1);
        shows(2, "Синий");
        w->Timer1Timer(w->Timer1);
        shows(0, "Красный");

        // A real tick of the timer moves on by one.
        w->Timer1->setInterval(1);
        QTRY_COMPARE(w->FBannerIndex, 1);
        w->Timer1->setInterval(60000);

        // A click opens the link of the banner on show and changes nothing.
        UrlCatcher catcher;
        clickThroughWindow(banner(*w));
        QCOMPARE(catcher.urls, QList<QUrl> {QUrl(QStringLiteral("https://example.org/green"))});
        QCOMPARE(w->FBannerIndex, 1);
    }

    void bannerCounts_data()
    {
        QTest::addColumn<int>("banners");
        QTest::newRow("none") << 0;
        QTest::newRow("one") << 1;
    }

    // With one banner every tick shows it again; with none the area stays
    // empty and nothing reads past the banners.
    void bannerCounts()
    {
        QFETCH(int, banners);
        TestWordBase base = standardBase();
        base.banners = base.banners.mid(0, banners);
        auto w = open(base);
        UrlCatcher catcher;
        for (int tick = 0; tick < 3; ++tick) {
            w->Timer1Timer(w->Timer1);
            QCOMPARE(w->FBannerIndex, 0);
            QCOMPARE(banner(*w)->gif(), banners ? w->FBanners[0].Image : QByteArray());
        }
        QCOMPARE(w->Timer1->isActive(), banners > 0);
        QCOMPARE(banner(*w)->movie() != nullptr, banners > 0);
        QTest::mouseClick(banner(*w), Qt::LeftButton);
        QCOMPARE(catcher.urls.size(), banners);
    }

    // The word base can be written by anyone: a banner opens web and mail
    // links only, never a local file or anything else.
    void bannerLinks_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<bool>("opened");
        QTest::newRow("web") << QStringLiteral("http://example.org/x") << true;
        QTest::newRow("mail") << QStringLiteral("mailto:ads@example.org") << true;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("local file") << QStringLiteral("file:///etc/passwd") << false;
        QTest::newRow("ftp") << QStringLiteral("ftp://example.org/x") << false;
        QTest::newRow("script") << QStringLiteral("javascript:alert(1)") << false;
    }

    void bannerLinks()
    {
        QFETCH(QString, link);
        QFETCH(bool, opened);
        TestWordBase base = standardBase();
        base.banners[0].link = link;
        auto w = open(base);
        UrlCatcher catcher;
        QTest::mouseClick(banner(*w), Qt::LeftButton);
        QCOMPARE(catcher.urls.size(), opened ? 1 : 0);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
