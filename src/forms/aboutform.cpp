#include "forms/aboutform.h"

#include "forms/dialogframe.h"
#include "view/links.h"

#include "ui_aboutform.h"

#include <QDesktopServices>
#include <QMouseEvent>

namespace {

// The credit lines are centred on their designed middle; the skin's font may
// be wider than the designed one, so each line takes the width its text needs.
void fitAroundCentre(QLabel *label)
{
    const int centre = label->geometry().center().x();
    label->adjustSize();
    QRect r = label->geometry();
    r.moveLeft(centre - r.width() / 2);
    label->setGeometry(r);
}

} // namespace

TAboutForm::TAboutForm(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::TAboutForm>())
{
    ui->setupUi(this);
    setDialogFrame(this);
    setFixedSize(size());
    setFontPixelSize(this, 11);

    QFont title = ui->TeLabel1->font();
    title.setPixelSize(13);
    title.setBold(true);
    ui->TeLabel1->setFont(title);

    QFont link = ui->TeLabel2->font();
    link.setUnderline(true);
    ui->TeLabel2->setFont(link);
    ui->TeLabel2->installEventFilter(this);

    // The logo sizes itself to its picture.
    if (!ui->Image1->pixmap().isNull())
        ui->Image1->resize(ui->Image1->pixmap().deviceIndependentSize().toSize());

    ensurePolished();
    for (QLabel *line : {ui->TeLabel2, ui->TeLabel3, ui->TeLabel4, ui->TeLabel5}) {
        line->ensurePolished();
        fitAroundCentre(line);
    }
    setVersionText(ui->TeLabel6->text());
}

TAboutForm::~TAboutForm() = default;

void TAboutForm::setVersionText(const QString &text)
{
    ui->TeLabel6->setText(text);
    ui->TeLabel6->ensurePolished();
    ui->TeLabel6->adjustSize();
}

QUrl TAboutForm::makerSite() { return QUrl(QLatin1String(Links::MakerSite)); }

void TAboutForm::TeLabel2Click() { QDesktopServices::openUrl(makerSite()); }

bool TAboutForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->TeLabel2 && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && ui->TeLabel2->rect().contains(mouse->position().toPoint())) {
            TeLabel2Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TAboutForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreOnScreen(this);
}
