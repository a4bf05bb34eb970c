#include "forms/textform.h"

#include "forms/dialogframe.h"
#include "forms/guidetable.h"
#include "text/cp1251.h"
#include "text/stringlist.h"

#include "ui_textform.h"

#include <QFontMetrics>

#include <algorithm>

namespace {

constexpr int kCellPadding = 6;
constexpr int kTwoColumnExtra = 52;
constexpr int kThreeColumnExtra = 58;

} // namespace

TTextForm::TTextForm(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::TTextForm>())
{
    ui->setupUi(this);
    setDialogFrame(this);
    setFontPixelSize(this, 11);
    setFontPixelSize(ui->TeStringGrid1, 13);
    ui->TeStringGrid1->setColumnWidth(0, 64);
    ui->TeStringGrid1->setColumnWidth(1, 321);
    connect(ui->TeEdit1, &QLineEdit::textChanged, this, &TTextForm::TeEdit1Change);
}

TTextForm::~TTextForm() = default;

std::unique_ptr<TTextForm> TTextForm::createGuideTable(QWidget *parent, QByteArrayView caption, const StringList &list)
{
    auto form = std::make_unique<TTextForm>(parent);
    form->setWindowTitle(fromCp1251(caption));
    form->fill(2, list, splitTwoColumns);
    form->sizeColumns(kTwoColumnExtra);
    return form;
}

std::unique_ptr<TTextForm> TTextForm::createExtensionsTable(QWidget *parent, const StringList &list)
{
    auto form = std::make_unique<TTextForm>(parent);
    form->setWindowTitle(QStringLiteral("Extensions"));
    form->fill(3, list, splitThreeColumns);
    form->sizeColumns(kThreeColumnExtra);
    form->ui->Image1->setVisible(true);
    form->ui->TeEdit1->setVisible(true);
    return form;
}

void TTextForm::ShowGuideTable(QWidget *parent, QByteArrayView caption, const StringList &list)
{
    createGuideTable(parent, caption, list)->exec();
}

void TTextForm::ShowExtensionsTable(QWidget *parent, const StringList &list)
{
    createExtensionsTable(parent, list)->exec();
}

void TTextForm::fill(int columns, const StringList &list, Splitter split)
{
    QTableWidget *grid = ui->TeStringGrid1;
    grid->setColumnCount(columns);
    // The grid never has fewer than one row: an empty list shows one empty row.
    grid->setRowCount(std::max<int>(1, int(list.count())));
    m_firstColumn = QList<QByteArray>(grid->rowCount());
    for (qsizetype row = 0; row < list.count(); ++row) {
        const QList<QByteArray> cells = split(list.at(row));
        for (int column = 0; column < columns; ++column)
            grid->setItem(int(row), column, new QTableWidgetItem(fromCp1251(cells.at(column))));
        m_firstColumn[row] = cells.at(0);
    }
}

// Each column gets its widest cell plus a little padding; the window's width
// follows the columns, its height stays as designed.
void TTextForm::sizeColumns(int extraWidth)
{
    QTableWidget *grid = ui->TeStringGrid1;
    grid->ensurePolished();
    const QFontMetrics metrics = grid->fontMetrics();
    QList<int> widest(grid->columnCount(), 0);
    for (int row = 0; row < grid->rowCount(); ++row) {
        for (int column = 0; column < grid->columnCount(); ++column) {
            const QTableWidgetItem *cell = grid->item(row, column);
            const int width = cell ? metrics.horizontalAdvance(cell->text()) : 0;
            widest[column] = std::max(widest[column], width);
        }
    }
    int total = 0;
    for (int column = 0; column < grid->columnCount(); ++column) {
        grid->setColumnWidth(column, widest[column] + kCellPadding);
        total += widest[column];
    }
    setFixedSize(total + extraWidth, height());
}

void TTextForm::TeEdit1Change()
{
    const int row = guideSearchRow(toCp1251(ui->TeEdit1->text()), m_firstColumn);
    if (row < 0)
        return;
    QTableWidget *grid = ui->TeStringGrid1;
    grid->setCurrentCell(row, 0, QItemSelectionModel::ClearAndSelect);
    grid->scrollTo(grid->model()->index(row, 0), QAbstractItemView::PositionAtTop);
}

void TTextForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreOnScreen(this);
}
