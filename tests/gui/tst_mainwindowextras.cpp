// The main window's side commands over small word bases written for each test:
// the guide tables, the random anecdotes, hiding in the tray, About and Advertising.
#include "app/brivela.h"
#include "app/traymode.h"
#include "forms/aboutform.h"
#include "forms/advertisingform.h"
#include "forms/textform.h"
#include "testwordbase.h"
#include "urlcatcher.h"
#include "view/gifanimator.h"
#include "view/skin.h"
#include "whenmodal.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <memory>
#include <numeric>

namespace {

TestWordBase baseWithAnecdotes(int count)
{
    TestWordBase base;
    base.addWord(QStringLiteral("Б|аг"), base.addDescription({QStringLiteral(".Баг")}));
    for (int i = 0; i < count; ++i)
        base.anecdotes.append(QStringLiteral("Анекдот номер %1 <b>без разметки</b>").arg(i));
    base.smileys = QStringLiteral(":-)\tулыбка\n;-)\tподмигивание\tс хитростью");
    base.acronyms = QStringLiteral("IMHO\tпо-моему");
    base.users = QStringLiteral("\tбез имени\nламер");
    base.extensions = QStringLiteral("7z\tархив\t7-Zip\nbak\tкопия\ndoc");
    return base;
}

// What one message box showed.
struct Shown {
    QString caption;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

// Answers the message boxes that come up, in turn, with the given answers:
// "ok", "retry", or "close" for the frame's close button. It notes what each
// box showed.
class BoxAnswerer : public QObject
{
public:
    explicit BoxAnswerer(QStringList answers) : m_answers(std::move(answers))
    {
        connect(&m_poll, &QTimer::timeout, this, &BoxAnswerer::poll);
        m_poll.start(5);
    }
    QList<Shown> shown;

private:
    void poll()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        shown.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
        const QString answer = m_answers.isEmpty() ? QStringLiteral("ok") : m_answers.takeFirst();
        if (answer == u"close")
            box->close();
        else
            box->button(answer == u"retry" ? QMessageBox::Retry : QMessageBox::Ok)->click();
    }

    QStringList m_answers;
    QTimer m_poll;
};

int indexInCaption(const QString &caption)
{
    static const QRegularExpression form(QStringLiteral("^Aнекдот #(0|[1-9][0-9]*)$"));
    const auto match = form.match(caption);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

} // namespace

class TestMainWindowExtras : public QObject
{
    Q_OBJECT

public:
    explicit TestMainWindowExtras(QString configDir) : m_configDir(std::move(configDir)) { }

private:
    QTemporaryDir m_dir;
    QString m_configDir;
    int m_fileNumber = 0;

    QString settingsFile() const { return m_configDir + QStringLiteral("/Quennic/Brivela.conf"); }

    QString writeBase(const TestWordBase &base)
    {
        const QString path = m_dir.filePath(QStringLiteral("base%1/brivela.dat").arg(++m_fileNumber));
        QDir().mkpath(QFileInfo(path).path());
        if (!base.write(path))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    std::unique_ptr<TBrivela> open(const TestWordBase &base)
    {
        auto window = std::make_unique<TBrivela>(writeBase(base));
        window->show();
        if (!QTest::qWaitFor([&] { return window->isLoaded(); }, 5000))
            qWarning("the word base did not load");
        return window;
    }

    static QAction *action(TBrivela &w, const char *name) { return w.findChild<QAction *>(QLatin1String(name)); }

    // Clicks the anecdote picture as the user does and returns the indices shown.
    static QList<int> clickAnecdote(TBrivela &w, BoxAnswerer &answerer)
    {
        const qsizetype before = answerer.shown.size();
        auto *picture = w.findChild<GifAnimator *>(QStringLiteral("RxGIFAnimator2"));
        QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, picture->mapTo(&w, picture->rect().center()));
        QList<int> indices;
        for (qsizetype i = before; i < answerer.shown.size(); ++i)
            indices.append(indexInCaption(answerer.shown[i].caption));
        return indices;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        applySkin(*qApp);
    }

    void init() { QFile::remove(settingsFile()); }

    void guideCommands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("cells"); // row by row, the columns joined by '|'
        QTest::addColumn<bool>("search");

        QTest::newRow("Smiley") << QStringLiteral("Smiley1") << QStringLiteral("Smiley")
                                << QStringList {QStringLiteral(":-)|улыбка"),
                                                QStringLiteral(";-)|подмигивание\tс хитростью")}
                                << false;
        QTest::newRow("Acronym") << QStringLiteral("Acronym1") << QStringLiteral("Acronym")
                                 << QStringList {QStringLiteral("IMHO|по-моему")} << false;
        QTest::newRow("Users") << QStringLiteral("Users1") << QStringLiteral("Users")
                               << QStringList {QStringLiteral("|без имени"), QStringLiteral("ламер|")} << false;
        QTest::newRow("Extensions") << QStringLiteral("Extensions1") << QStringLiteral("Extensions")
                                    << QStringList {QStringLiteral("7z|архив|7-Zip"), QStringLiteral("bak|копия|"),
                                                    QStringLiteral("doc||")}
                                    << true;
    }

    // Each command shows its own list in a table window of its own, which is
    // freed once it is closed.
    void guideCommands()
    {
        QFETCH(QString, command);
        QFETCH(QString, caption);
        QFETCH(QStringList, cells);
        QFETCH(bool, search);

        auto w = open(baseWithAnecdotes(0));
        QPointer<TTextForm> shownForm;
        QString title;
        QStringList rows;
        bool searchVisible = !search;
        whenModal([&](QWidget *modal) {
            shownForm = qobject_cast<TTextForm *>(modal);
            if (!shownForm) {
                modal->close();
                return;
            }
            title = modal->windowTitle();
            const auto *grid = modal->findChild<QTableWidget *>(QStringLiteral("TeStringGrid1"));
            for (int r = 0; r < grid->rowCount(); ++r) {
                QStringList row;
                for (int c = 0; c < grid->columnCount(); ++c)
                    row.append(grid->item(r, c) ? grid->item(r, c)->text() : QString());
                rows.append(row.join(QLatin1Char('|')));
            }
            searchVisible = modal->findChild<QLineEdit *>(QStringLiteral("TeEdit1"))->isVisible();
            QTest::mouseClick(modal->findChild<QPushButton *>(QStringLiteral("TeButton1")), Qt::LeftButton);
        });
        action(*w, qPrintable(command))->trigger();

        QCOMPARE(title, caption);
        QCOMPARE(rows, cells);
        QCOMPARE(searchVisible, search);
        QVERIFY(!shownForm); // freed when closed
        QVERIFY(!QApplication::activeModalWidget());
    }

    void anecdotesOncePerCycle_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("three") << 3;
        QTest::newRow("one") << 1;
    }

    // Each anecdote is shown once before any is shown again; the pool is
    // refilled when it runs dry. The box shows the text as it is, no icon,
    // OK and Retry, and a caption with the 0-based index.
    void anecdotesOncePerCycle()
    {
        QFETCH(int, count);
        auto w = open(baseWithAnecdotes(count));
        BoxAnswerer answerer({});
        QList<int> firstCycle;
        for (int click = 0; click < count; ++click)
            firstCycle += clickAnecdote(*w, answerer);
        std::sort(firstCycle.begin(), firstCycle.end());
        QList<int> all(count);
        std::iota(all.begin(), all.end(), 0);
        QCOMPARE(firstCycle, all);
        QVERIFY(w->FJokePool.isEmpty());

        QCOMPARE(clickAnecdote(*w, answerer).size(), 1);
        QCOMPARE(w->FJokePool.size(), count - 1);

        for (const Shown &box : answerer.shown) {
            const int index = indexInCaption(box.caption);
            QVERIFY2(index >= 0 && index < count, qPrintable(box.caption));
            QCOMPARE(box.text, QStringLiteral("Анекдот номер %1 <b>без разметки</b>").arg(index));
            QCOMPARE(box.icon, QMessageBox::NoIcon);
            QCOMPARE(box.buttons, QMessageBox::Ok | QMessageBox::Retry);
        }
    }

    void retryShowsTheNext_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("shown");
        QTest::newRow("five retries, then OK") << QStringList(5, QStringLiteral("retry")) << 6;
        QTest::newRow("closed by the frame")
            << QStringList {QStringLiteral("retry"), QStringLiteral("retry"), QStringLiteral("close")} << 3;
    }

    // Retry draws on from the same pool at once; any other way out ends the click.
    void retryShowsTheNext()
    {
        QFETCH(QStringList, answers);
        QFETCH(int, shown);
        auto w = open(baseWithAnecdotes(3));
        BoxAnswerer answerer(answers);
        const QList<int> indices = clickAnecdote(*w, answerer);
        QCOMPARE(indices.size(), shown);
        QVERIFY(!QApplication::activeModalWidget());
        for (qsizetype start = 0; start + 3 <= indices.size(); start += 3) {
            QList<int> cycle = indices.mid(start, 3);
            std::sort(cycle.begin(), cycle.end());
            QCOMPARE(cycle, (QList<int> {0, 1, 2}));
        }
    }

    // A draw leaves an empty settings file for Quennic's Brivela behind; one
    // already there keeps what it holds. Without anecdotes nothing happens.
    void settingsKey()
    {
        {
            auto w = open(baseWithAnecdotes(0));
            BoxAnswerer answerer({});
            QCOMPARE(clickAnecdote(*w, answerer), QList<int> {});
            QTest::qWait(30);
            QVERIFY(answerer.shown.isEmpty());
            QVERIFY(!QFile::exists(settingsFile()));
        }
        auto w = open(baseWithAnecdotes(1));
        BoxAnswerer answerer({});
        QCOMPARE(clickAnecdote(*w, answerer), QList<int> {0});
        QFile file(settingsFile());
        QVERIFY(file.exists());
        QCOMPARE(file.size(), 0);

        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[General]\nkept=1\n");
        file.close();
        QCOMPARE(clickAnecdote(*w, answerer), QList<int> {0});
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[General]\nkept=1\n"));
    }

    void trayHideAndRestore_data()
    {
        QTest::addColumn<bool>("trayAvailable");
        QTest::newRow("with a tray") << true;
        QTest::newRow("without a tray") << false;
    }

    // Minimising hides the window behind the icon (or, with no tray, leaves
    // it minimised); only a left press or a second start brings it back, any
    // number of times, and the word base is not read again.
    void trayHideAndRestore()
    {
        QFETCH(bool, trayAvailable);
        const QString path = writeBase(baseWithAnecdotes(2));
        TBrivela w(path);
        w.tray().setTrayCheck([trayAvailable] { return trayAvailable; });
        QSignalSpy terminate(&w, &TBrivela::terminateRequested);
        w.show();
        QTRY_VERIFY(w.isLoaded());
        QVERIFY(!w.TrayIcon1->isVisible());
        QCOMPARE(w.TrayIcon1->toolTip(), QStringLiteral("Brivela"));
        QVERIFY(QFile::remove(path)); // a reload would fail and end the program

        for (int round = 0; round < 3; ++round) {
            w.showMinimized();
            QTest::qWait(10);
            QCOMPARE(w.isVisible(), !trayAvailable);
            QCOMPARE(w.TrayIcon1->isVisible(), trayAvailable);
            QCOMPARE(w.tray().isHiddenInTray(), trayAvailable);

            for (auto reason : {QSystemTrayIcon::Context, QSystemTrayIcon::MiddleClick}) {
                emit w.TrayIcon1->activated(reason);
                QCOMPARE(w.isVisible(), !trayAvailable);
                QCOMPARE(w.TrayIcon1->isVisible(), trayAvailable);
            }

            if (round == 1)
                w.restoreWindow(); // a second start
            else
                emit w.TrayIcon1->activated(QSystemTrayIcon::Trigger);
            QVERIFY(w.isVisible());
            QVERIFY(!w.isMinimized());
            QVERIFY(!w.TrayIcon1->isVisible());
            QVERIFY(!w.tray().isHiddenInTray());
        }
        QTest::qWait(30);
        QCOMPARE(terminate.count(), 0);
        QVERIFY(w.isLoaded());
    }

    // A restore request while the window is shown changes nothing.
    void restoreWhileShown()
    {
        auto w = open(baseWithAnecdotes(0));
        w->tray().setTrayCheck([] { return true; });
        w->restoreWindow();
        QVERIFY(w->isVisible());
        QVERIFY(!w->TrayIcon1->isVisible());
    }

    // About copies status panel 0 into its version label before each showing;
    // the window is the same one every time and is only hidden after OK.
    void aboutShowsTheStatusVersion()
    {
        auto w = open(baseWithAnecdotes(0));
        QVERIFY(w->AboutForm);
        QCOMPARE(w->AboutForm->parent(), w.get());
        const QPointer<TAboutForm> about = w->AboutForm;

        for (const QString &version :
             {QStringLiteral("Version 1.0"), QStringLiteral("Version 1.0"), QStringLiteral("Version 2.5 beta")}) {
            w->statusPanel(0)->setText(version);
            QString shownVersion;
            QWidget *shownWindow = nullptr;
            whenModal([&](QWidget *modal) {
                shownWindow = modal;
                shownVersion = modal->findChild<QLabel *>(QStringLiteral("TeLabel6"))->text();
                QTest::mouseClick(modal->findChild<QPushButton *>(QStringLiteral("TeButton1")), Qt::LeftButton);
            });
            QTest::mouseClick(w->findChild<QToolButton *>(QStringLiteral("TeSpeedButton6")), Qt::LeftButton);
            QCOMPARE(shownWindow, about.data());
            QCOMPARE(shownVersion, version);
            QVERIFY(about && !about->isVisible());
        }
    }

    // The maker's link in About opens the same site as the logo.
    void aboutLinkIsTheMakersSite()
    {
        auto w = open(baseWithAnecdotes(0));
        UrlCatcher catcher;
        emit w->findChild<GifAnimator *>(QStringLiteral("RxGIFAnimator1"))->clicked();
        w->AboutForm->TeLabel2Click();
        QCOMPARE(catcher.urls.size(), 2);
        QCOMPARE(catcher.urls[1], catcher.urls[0]);
    }

    void advertisingShowsItsWindow()
    {
        auto w = open(baseWithAnecdotes(0));
        const QPointer<TAdvertisingForm> advertising = w->AdvertisingForm;
        for (int showing = 0; showing < 2; ++showing) {
            QWidget *shownWindow = nullptr;
            whenModal([&](QWidget *modal) {
                shownWindow = modal;
                modal->close();
            });
            action(*w, "Advertising1")->trigger();
            QCOMPARE(shownWindow, advertising.data());
            QVERIFY(advertising && !advertising->isVisible());
        }
    }
};

// The settings file goes to a folder of the test's own, set before anything
// can ask where the user's config directory is.
int main(int argc, char **argv)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QApplication app(argc, argv);
    TestMainWindowExtras test(config.path());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindowextras.moc"
