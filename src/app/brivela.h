#pragma once

#include "wordbase/wordbase.h"

#include <QMainWindow>
#include <QMessageBox>
#include <QRandomGenerator>

#include <memory>

class CaptionCanvas;
class DescriptionLabel;
class TAboutForm;
class TAdvertisingForm;
class TrayMode;
class DescriptionPaneWidget;
class GifAnimator;
class LetterTabControl;
class QLabel;
class QLineEdit;
class QListView;
class QSystemTrayIcon;
class QTimer;
class WordListDelegate;
class WordListModel;

namespace Ui {
class TBrivela;
}

// The main window: letter tabs, word list, description pane and search box,
// the commands, and the word base it loads and holds for the whole run.
class TBrivela : public QMainWindow, public WordBaseFields
{
    Q_OBJECT

public:
    // The window loads the word base at `wordBasePath` when it is first painted.
    explicit TBrivela(const QString &wordBasePath = defaultWordBasePath(), QWidget *parent = nullptr);
    ~TBrivela() override;

    // brivela.dat beside the executable.
    static QString defaultWordBasePath();

    void LoadWordBase();
    void SetListCount(int n);
    bool isLoaded() const { return m_loaded; }
    // Seeded at each load; the anecdotes draw from it.
    QRandomGenerator &random() { return m_random; }

    // The browsing handlers; called with no sender to reuse their effect.
    void TeTabControl1Change(QObject *sender = nullptr);
    void TeListBox1DrawItem(CaptionCanvas &canvas, int index, const QRect &rect, bool selected);
    void TeListBox1Click(QObject *sender = nullptr);
    void TeEdit1Change(QObject *sender = nullptr);
    void LinkClick(DescriptionLabel &sender);

    // The banner rotation: a tick (sender given) moves on to the next banner;
    // a call without a sender shows the current one again.
    void Timer1Timer(QObject *sender);
    void RxGIFAnimator3Click();

    void RxGIFAnimator1Click();
    void Feedback1Execute();
    void Advertising1Execute();
    void HelpAbout1Execute();

    // Shows the window again from the tray or the minimised state and raises
    // it: a left press on the tray icon, or a second start of the program.
    void restoreWindow();

    // The guide tables, each in a window of its own made for the showing.
    void Smiley1Execute();
    void Acronym1Execute();
    void Extensions1Execute();
    void Users1Execute();

    // Shows a random anecdote not yet shown in this cycle; Retry shows the next.
    void RxGIFAnimator2Click();

    // Hiding in the notification area: minimising hides the window behind
    // TrayIcon1, and only a left press on the icon brings it back.
    void TeForm1Minimize();
    void TrayIcon1MouseDown(Qt::MouseButton button);
    void FormActivate();
    TrayMode &tray() const { return *m_tray; }

    // Components, named as in the form.
    QSystemTrayIcon *TrayIcon1 = nullptr;
    QTimer *Timer1 = nullptr;
    QLabel *statusPanel(int index) const;
    // The side windows, made with the main window and kept for the whole run.
    TAboutForm *AboutForm = nullptr;
    TAdvertisingForm *AdvertisingForm = nullptr;

signals:
    // The load failed and its message has been shown: the application ends.
    void terminateRequested();

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void FormCreate();
    void FormDestroy();
    void TeForm1FormShown();

    void setupToolBar();
    void setupStatusBar();
    void setupActions();
    void connectHandlers();
    void showStatus(const QString &text);
    void selectTabQuietly(int index);
    void selectRow(int row);
    int selectedRow() const;
    TDictUnit *currentUnit() const;
    // A message of the window's message dialog: the given icon and OK only.
    int showMessage(const QString &text, const char *caption, QMessageBox::Icon icon);

    std::unique_ptr<Ui::TBrivela> ui;
    QString m_wordBasePath;
    WordListModel *m_listModel = nullptr;
    WordListDelegate *m_listDelegate = nullptr;
    QLabel *m_statusPanels[2] = {nullptr, nullptr};
    bool m_firstPaintSeen = false;
    bool m_loaded = false;
    bool m_selectingByProgram = false;
    QRandomGenerator m_random;
    TrayMode *m_tray = nullptr;
};
