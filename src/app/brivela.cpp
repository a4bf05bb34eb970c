#include "app/brivela.h"

#include "ui_brivela.h"

#include "app/errorreport.h"
#include "app/navigation.h"
#include "app/traymode.h"
#include "app/userkey.h"
#include "forms/aboutform.h"
#include "forms/advertisingform.h"
#include "forms/messagebox.h"
#include "forms/textform.h"
#include "text/ansi.h"
#include "text/cp1251.h"
#include "view/descriptionpane.h"
#include "view/gifanimator.h"
#include "view/lettertabcontrol.h"
#include "view/links.h"
#include "view/wordlistdelegate.h"
#include "view/wordlistmodel.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

namespace {

constexpr int kWindowWidth = 583;
constexpr int kWindowHeight = 512;
constexpr int kMenuBarHeight = 19;
constexpr int kToolBarHeight = 37;
constexpr int kStatusBarHeight = 22;
constexpr int kBannerPeriodMs = 60000;

const char *const kRefusedWordWarning
    = "Таких слов здесь нет! Их стоит поискать на юмористических сайтах вроде humor.example.";

QIcon commandIcon(const char *name)
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/%1-16.png").arg(QLatin1String(name)), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/%1-32.png").arg(QLatin1String(name)), QSize(32, 32));
    return icon;
}

// Banner links come from the word base, which anyone can write: only web and
// mail addresses are opened, never a local file or program.
bool isOpenableLink(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == u"http" || scheme == u"https" || scheme == u"mailto");
}

} // namespace

TBrivela::TBrivela(const QString &wordBasePath, QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::TBrivela>()), m_wordBasePath(wordBasePath)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(kWindowWidth, kWindowHeight);
    ui->TeMenuBar1->setFixedHeight(kMenuBarHeight);

    setupActions();
    setupToolBar();
    setupStatusBar();

    m_listModel = new WordListModel(this);
    m_listDelegate = new WordListDelegate(this);
    ui->TeListBox1->setModel(m_listModel);
    ui->TeListBox1->setItemDelegate(m_listDelegate);
    QFont listFont = ui->TeListBox1->font();
    listFont.setPixelSize(13);
    ui->TeListBox1->setFont(listFont);
    QFont editFont = ui->TeEdit1->font();
    editFont.setPixelSize(12);
    ui->TeEdit1->setFont(editFont);

    ui->RxGIFAnimator2->setGifFile(QStringLiteral(":/pictures/anecdote.gif"));

    TrayIcon1 = new QSystemTrayIcon(QIcon(QStringLiteral(":/pictures/tray.png")), this);
    TrayIcon1->setObjectName(QStringLiteral("TrayIcon1"));
    TrayIcon1->setToolTip(QStringLiteral("Brivela"));
    m_tray = new TrayMode(this, TrayIcon1, TrayMode::defaultTrayCheck(), this);

    AboutForm = new TAboutForm(this);
    AboutForm->setObjectName(QStringLiteral("AboutForm"));
    AdvertisingForm = new TAdvertisingForm(this);
    AdvertisingForm->setObjectName(QStringLiteral("AdvertisingForm"));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kBannerPeriodMs);

    connectHandlers();

    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
    ui->TeEdit1->setFocus();

    FormCreate();
}

TBrivela::~TBrivela()
{
    FormDestroy();
    FDictionary.Clear();
}

QString TBrivela::defaultWordBasePath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(WordBaseFileName));
}

QLabel *TBrivela::statusPanel(int index) const { return m_statusPanels[index]; }

void TBrivela::setupActions()
{
    ui->FileExit1->setIcon(commandIcon("exit"));
    ui->Smiley1->setIcon(commandIcon("smiley"));
    ui->Acronym1->setIcon(commandIcon("acronym"));
    ui->Extensions1->setIcon(commandIcon("extensions"));
    ui->Users1->setIcon(commandIcon("users"));
    ui->HelpAbout1->setIcon(commandIcon("about"));
    ui->Feedback1->setIcon(commandIcon("feedback"));
}

void TBrivela::setupToolBar()
{
    QToolBar *bar = ui->TeToolBar1;
    bar->setFixedHeight(kToolBarHeight);
    const std::pair<QAction *, const char *> buttons[] = {
        {ui->FileExit1, "TeSpeedButton1"},   {ui->Smiley1, "TeSpeedButton2"}, {ui->Acronym1, "TeSpeedButton3"},
        {ui->Extensions1, "TeSpeedButton4"}, {ui->Users1, "TeSpeedButton5"},  {ui->Feedback1, "TeSpeedButton7"},
        {ui->HelpAbout1, "TeSpeedButton6"},
    };
    for (const auto &[action, name] : buttons) {
        QWidget *button = bar->widgetForAction(action);
        button->setObjectName(QLatin1String(name));
        button->setFixedSize(37, 33);
    }
    int divider = 0;
    for (QAction *action : bar->actions())
        if (action->isSeparator())
            bar->widgetForAction(action)->setObjectName(QStringLiteral("TeSpeedDivider%1").arg(++divider));

    // The bar's own margins are the skin's; the form's margins are spacers.
    auto *leftMargin = new QWidget(bar);
    leftMargin->setFixedSize(11, 1);
    bar->insertWidget(bar->actions().constFirst(), leftMargin);

    auto *space = new QWidget(bar);
    space->setObjectName(QStringLiteral("TeSpeedContainer1"));
    space->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(space);

    auto *logoBox = new QWidget(bar);
    logoBox->setObjectName(QStringLiteral("TeSpeedContainer2"));
    logoBox->setFixedSize(88, 33);
    auto *logo = new GifAnimator(logoBox);
    logo->setObjectName(QStringLiteral("RxGIFAnimator1"));
    logo->setGeometry(0, 1, 88, 31);
    logo->setToolTip(QStringLiteral("Quennic"));
    logo->setCursor(Qt::PointingHandCursor);
    logo->setGifFile(QStringLiteral(":/pictures/logo.gif"));
    bar->addWidget(logoBox);
    auto *rightMargin = new QWidget(bar);
    rightMargin->setFixedSize(6, 1);
    bar->addWidget(rightMargin);
    connect(logo, &GifAnimator::clicked, this, [this] { runReportingErrors([this] { RxGIFAnimator1Click(); }); });
}

void TBrivela::setupStatusBar()
{
    ui->TeStatusBar1->setFixedHeight(kStatusBarHeight);
    const struct {
        int width;
        const char *text;
    } panels[] = {{120, "Version 1.0"}, {300, "words"}};
    for (int i = 0; i < 2; ++i) {
        auto *panel = new QLabel(QLatin1String(panels[i].text), ui->TeStatusBar1);
        panel->setObjectName(QStringLiteral("TeStatusPanel%1").arg(i));
        panel->setFixedWidth(panels[i].width);
        panel->setTextFormat(Qt::PlainText);
        ui->TeStatusBar1->addWidget(panel);
        m_statusPanels[i] = panel;
    }
}

void TBrivela::connectHandlers()
{
    // Every handler runs under the standard error report: an exception is
    // shown and the program goes on.
    auto handle = [this](auto member) { return [this, member] { runReportingErrors([&] { (this->*member)(); }); }; };

    connect(ui->TeTabControl1, &LetterTabControl::currentChanged, this,
            [this] { runReportingErrors([this] { TeTabControl1Change(ui->TeTabControl1); }); });
    connect(ui->TeListBox1->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_selectingByProgram)
            runReportingErrors([this] { TeListBox1Click(ui->TeListBox1); });
    });
    connect(ui->TeEdit1, &QLineEdit::textChanged, this,
            [this] { runReportingErrors([this] { TeEdit1Change(ui->TeEdit1); }); });
    ui->TeScrollBox1->setLinkClickHandler(
        [this](DescriptionLabel &label) { runReportingErrors([&] { LinkClick(label); }); });
    m_listDelegate->setDrawItem([this](CaptionCanvas &canvas, int row, const QRect &rect, bool selected) {
        TeListBox1DrawItem(canvas, row, rect, selected);
    });

    connect(Timer1, &QTimer::timeout, this, [this] { runReportingErrors([this] { Timer1Timer(Timer1); }); });
    connect(ui->RxGIFAnimator2, &GifAnimator::clicked, this, handle(&TBrivela::RxGIFAnimator2Click));
    connect(ui->RxGIFAnimator3, &GifAnimator::clicked, this, handle(&TBrivela::RxGIFAnimator3Click));
    // The icon reports a press as the reason it was activated: Trigger for the
    // left button.
    connect(TrayIcon1, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        Qt::MouseButton button = Qt::NoButton;
        if (reason == QSystemTrayIcon::Trigger)
            button = Qt::LeftButton;
        else if (reason == QSystemTrayIcon::Context)
            button = Qt::RightButton;
        else if (reason == QSystemTrayIcon::MiddleClick)
            button = Qt::MiddleButton;
        runReportingErrors([this, button] { TrayIcon1MouseDown(button); });
    });

    connect(ui->FileExit1, &QAction::triggered, this, &QWidget::close);
    connect(ui->HelpAbout1, &QAction::triggered, this, handle(&TBrivela::HelpAbout1Execute));
    connect(ui->Advertising1, &QAction::triggered, this, handle(&TBrivela::Advertising1Execute));
    connect(ui->Feedback1, &QAction::triggered, this, handle(&TBrivela::Feedback1Execute));
    connect(ui->Smiley1, &QAction::triggered, this, handle(&TBrivela::Smiley1Execute));
    connect(ui->Acronym1, &QAction::triggered, this, handle(&TBrivela::Acronym1Execute));
    connect(ui->Extensions1, &QAction::triggered, this, handle(&TBrivela::Extensions1Execute));
    connect(ui->Users1, &QAction::triggered, this, handle(&TBrivela::Users1Execute));
}

void TBrivela::FormCreate()
{
    FSmileys.clear();
    FAcronyms.clear();
    FUsers.clear();
    FExtensions.clear();
    FAnecdotes.clear();
    FBanners.clear();
    FRefusedWords.clear();
    FJokePool.clear();
}

void TBrivela::FormDestroy()
{
    FRefusedWords.clear();
    FJokePool.clear();
    FBanners.clear();
    FAnecdotes.clear();
    FSmileys.clear();
    FAcronyms.clear();
    FUsers.clear();
    FExtensions.clear();
}

bool TBrivela::event(QEvent *event)
{
    // The load starts once the window has been painted for the first time,
    // so that the user sees the window while the word base is read.
    if (event->type() == QEvent::Paint && !m_firstPaintSeen) {
        m_firstPaintSeen = true;
        QTimer::singleShot(0, this, [this] { runReportingErrors([this] { TeForm1FormShown(); }); });
    }
    return QMainWindow::event(event);
}

void TBrivela::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        runReportingErrors([this] { TeForm1Minimize(); });
    else if (event->type() == QEvent::ActivationChange && isActiveWindow())
        runReportingErrors([this] { FormActivate(); });
}

void TBrivela::TeForm1FormShown()
{
    repaint();
    LoadWordBase();
}

void TBrivela::showStatus(const QString &text)
{
    m_statusPanels[1]->setText(text);
    m_statusPanels[1]->repaint();
}

int TBrivela::showMessage(const QString &text, const char *caption, QMessageBox::Icon icon)
{
    return ShowMessageWithCaption(this, text, caption, QMessageBox::Ok, icon);
}

void TBrivela::LoadWordBase()
{
    try {
        readWordBase(m_wordBasePath, *this, [this](const QString &text) { showStatus(text); });
        showStatus(loadSummary(*this));

        // An empty rotation has nothing to show, so its timer stays off.
        FBannerIndex = 0;
        if (FBannerCount > 0)
            Timer1->start();
        Timer1Timer(nullptr);

        StringList tabs;
        FDictionary.FillTabs(tabs);
        ui->TeTabControl1->setTabs(tabs);
        TeTabControl1Change(nullptr);

        m_random.seed(quint32(QDateTime::currentMSecsSinceEpoch()));
        FJokePool.clear();
        for (int32_t i = 0; i < FAnecdoteCount; ++i)
            FJokePool.append(i);
        m_loaded = true;
    } catch (...) {
        showMessage(currentExceptionMessage(), "Error", QMessageBox::Critical);
        emit terminateRequested();
    }
}

TDictUnit *TBrivela::currentUnit() const
{
    const int tab = ui->TeTabControl1->currentIndex();
    if (tab < 0)
        return nullptr;
    const QByteArray &caption = ui->TeTabControl1->tabs().at(tab);
    return caption.isEmpty() ? nullptr : FDictionary.GetUnit(uint8_t(caption.at(0)));
}

int TBrivela::selectedRow() const
{
    const QModelIndex current = ui->TeListBox1->currentIndex();
    return current.isValid() && ui->TeListBox1->selectionModel()->isSelected(current) ? current.row() : -1;
}

void TBrivela::selectRow(int row)
{
    // Selecting by program is not a click: the caller shows the word itself.
    m_selectingByProgram = true;
    const int count = m_listModel->rowCount();
    if (count == 0) {
        ui->TeListBox1->selectionModel()->clear();
    } else {
        const QModelIndex index = m_listModel->index(std::clamp(row, 0, count - 1));
        ui->TeListBox1->setCurrentIndex(index);
        ui->TeListBox1->scrollTo(index);
    }
    m_selectingByProgram = false;
}

void TBrivela::selectTabQuietly(int index)
{
    const QSignalBlocker detached(ui->TeTabControl1);
    ui->TeTabControl1->setCurrentIndex(index);
}

void TBrivela::SetListCount(int n)
{
    m_listModel->setCount(n);
    // The rows now stand for the words of another letter, even where their
    // number stays the same.
    ui->TeListBox1->viewport()->update();
}

void TBrivela::TeTabControl1Change(QObject *)
{
    const TDictUnit *unit = currentUnit();
    SetListCount(unit ? unit->Count() : 0);
    selectRow(0);
    TeListBox1Click();
}

void TBrivela::TeListBox1DrawItem(CaptionCanvas &canvas, int index, const QRect &rect, bool selected)
{
    const TDictUnit *unit = currentUnit();
    if (!unit || index < 0 || index >= unit->Count())
        return;
    unit->GetWord(index)->Draw(canvas, rect, rect.left(), rect.top(), selected);
}

void TBrivela::TeListBox1Click(QObject *)
{
    const int row = selectedRow();
    const TDictUnit *unit = currentUnit();
    if (row < 0 || !unit || row >= unit->Count())
        return;
    const TDictWord *word = unit->GetWord(row);
    FDictionary.GetDescription(word->DescIndex())->ShowDescription(*ui->TeScrollBox1, word->WordId());
    ui->TeScrollBox1->pageShown();
}

void TBrivela::TeEdit1Change(QObject *)
{
    const QByteArray text = AnsiLowerCase(navigation::toSearchBytes(ui->TeEdit1->text()));
    if (text.isEmpty())
        return;

    const uint8_t letter = TDictionary::LetterOf(AnsiUpperCase(text));
    const int tab = int(ui->TeTabControl1->tabs().IndexOf(QByteArray(1, char(letter))));
    const TDictUnit *unit = FDictionary.GetUnit(letter);
    if (tab >= 0 && unit) {
        const int old = ui->TeTabControl1->currentIndex();
        selectTabQuietly(tab);
        if (old != tab)
            SetListCount(unit->Count());
        const int found = navigation::searchRow(*unit, text);
        // Within the same tab the description is only rebuilt for another word.
        if (old != tab || selectedRow() != found) {
            selectRow(found);
            TeListBox1Click();
        }
    }

    if (navigation::hasRefusedPrefix(FRefusedWords, text)) {
        showMessage(QString::fromUtf8(kRefusedWordWarning), "Warning", QMessageBox::Warning);
        ui->TeEdit1->clear();
    }
}

void TBrivela::LinkClick(DescriptionLabel &sender)
{
    const int id = sender.tag();
    if (id == -1) {
        ui->Smiley1->trigger();
        return;
    }
    if (id < 0)
        return;
    const auto place = navigation::findWord(FDictionary, id);
    if (!place)
        return;
    selectTabQuietly(int(ui->TeTabControl1->tabs().IndexOf(QByteArray(1, char(place->letter)))));
    SetListCount(FDictionary.GetUnit(place->letter)->Count());
    selectRow(place->row);
    TeListBox1Click();
}

void TBrivela::Timer1Timer(QObject *sender)
{
    if (sender && ++FBannerIndex >= FBannerCount)
        FBannerIndex = 0;
    if (FBannerIndex < 0 || size_t(FBannerIndex) >= FBanners.size()) {
        ui->RxGIFAnimator3->clearGif();
        ui->RxGIFAnimator3->setToolTip(QString());
        return;
    }
    const TBanner &banner = FBanners[size_t(FBannerIndex)];
    ui->RxGIFAnimator3->setGif(banner.Image);
    ui->RxGIFAnimator3->setToolTip(fromCp1251(banner.Hint));
}

void TBrivela::RxGIFAnimator3Click()
{
    if (FBannerIndex < 0 || size_t(FBannerIndex) >= FBanners.size())
        return;
    const QUrl link(fromCp1251(FBanners[size_t(FBannerIndex)].Link).trimmed());
    if (isOpenableLink(link))
        QDesktopServices::openUrl(link);
}

void TBrivela::RxGIFAnimator1Click() { QDesktopServices::openUrl(QUrl(QLatin1String(Links::MakerSite))); }

void TBrivela::Feedback1Execute()
{
    QDesktopServices::openUrl(
        QUrl(QStringLiteral("mailto:%1?subject=%2")
                 .arg(QLatin1String(Links::FeedbackAddress), QLatin1String(Links::FeedbackSubject))));
}

void TBrivela::Advertising1Execute() { AdvertisingForm->exec(); }

void TBrivela::HelpAbout1Execute()
{
    AboutForm->setVersionText(m_statusPanels[0]->text());
    AboutForm->exec();
}

void TBrivela::restoreWindow() { m_tray->restore(); }

void TBrivela::Smiley1Execute() { TTextForm::ShowGuideTable(this, "Smiley", FSmileys); }
void TBrivela::Acronym1Execute() { TTextForm::ShowGuideTable(this, "Acronym", FAcronyms); }
void TBrivela::Extensions1Execute() { TTextForm::ShowExtensionsTable(this, FExtensions); }
void TBrivela::Users1Execute() { TTextForm::ShowGuideTable(this, "Users", FUsers); }

void TBrivela::RxGIFAnimator2Click()
{
    if (FAnecdoteCount <= 0)
        return;
    for (;;) {
        if (FJokePool.isEmpty())
            for (int32_t i = 0; i < FAnecdoteCount; ++i)
                FJokePool.append(i);
        const int index = FJokePool.takeAt(int(m_random.bounded(qsizetype(FJokePool.size()))));
        touchUserSettingsKey();
        // A Latin A, then Cyrillic: the caption has always been spelt so.
        const QByteArray caption = "A" + toCp1251(QStringLiteral("некдот #")) + QByteArray::number(index);
        const int result = ShowMessageWithCaption(this, fromCp1251(FAnecdotes.at(size_t(index))), caption,
                                                  QMessageBox::Ok | QMessageBox::Retry, QMessageBox::NoIcon);
        if (result != ModalResult::Retry)
            return;
    }
}

void TBrivela::TeForm1Minimize() { m_tray->windowMinimized(); }

void TBrivela::TrayIcon1MouseDown(Qt::MouseButton button)
{
    if (button == Qt::LeftButton)
        restoreWindow();
}

void TBrivela::FormActivate() { m_tray->windowActivated(); }
