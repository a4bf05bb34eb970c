#include "forms/advertisingform.h"

#include "forms/advertisingtext.h"
#include "forms/dialogframe.h"

#include "ui_advertisingform.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>

TAdvertisingForm::TAdvertisingForm(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::TAdvertisingForm>())
{
    ui->setupUi(this);
    setDialogFrame(this);
    setFontPixelSize(this, 11);
    ui->TePaintBox1->setBackgroundRole(QPalette::Button);
    ui->TePaintBox1->installEventFilter(this);
    connect(ui->TeButton2, &QPushButton::clicked, this, &TAdvertisingForm::TeButton2Click);
    FormCreate();
}

TAdvertisingForm::~TAdvertisingForm() = default;

QFont TAdvertisingForm::textFont() const
{
    QFont font = ui->TePaintBox1->font();
    font.setPointSize(10);
    return font;
}

// The window is as wide as the widest line plus 30 px and the paint box holds
// every line; only the height of the window stays as designed.
void TAdvertisingForm::FormCreate()
{
    ui->TePaintBox1->ensurePolished();
    FLineCount = int(advertisingLines().size());
    const QFont font = textFont();
    const int width = advertisingTextWidth(font, ui->TePaintBox1) + 30;
    setFixedSize(width, height());
    ui->TePaintBox1->setFixedHeight(advertisingLineHeight(font, ui->TePaintBox1) * FLineCount + 5);
}

void TAdvertisingForm::TePaintBox1Paint()
{
    QPainter painter(ui->TePaintBox1);
    painter.setPen(ui->TePaintBox1->palette().color(QPalette::ButtonText));
    const QFont normal = textFont();
    QFont bold = normal;
    bold.setBold(true);
    for (const AdvertisingRun &run : advertisingRuns(normal, ui->TePaintBox1)) {
        painter.setFont(run.bold ? bold : normal);
        painter.drawText(run.position + QPoint(0, painter.fontMetrics().ascent()), run.text);
    }
}

// No keyboard layout switch around the copy: it exists on Windows only; Unicode text needs none.
void TAdvertisingForm::TeButton2Click() { QGuiApplication::clipboard()->setText(advertisingClipboardText()); }

bool TAdvertisingForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->TePaintBox1 && event->type() == QEvent::Paint) {
        TePaintBox1Paint();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TAdvertisingForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreOnScreen(this);
}
