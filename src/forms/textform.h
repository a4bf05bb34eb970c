#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDialog>
#include <QList>

#include <memory>

class StringList;

namespace Ui {
class TTextForm;
}

// The guide table window: one guide list as a grid sized to its content, and
// for the file-extension table a search box over column 0. A window is made
// for each showing and freed when it closes.
class TTextForm : public QDialog
{
    Q_OBJECT

public:
    explicit TTextForm(QWidget *parent = nullptr);
    ~TTextForm() override;

    // The filled and sized window of a two-column guide table, not yet shown.
    static std::unique_ptr<TTextForm> createGuideTable(QWidget *parent, QByteArrayView caption, const StringList &list);
    // The same for the three-column file-extension table with its search box.
    static std::unique_ptr<TTextForm> createExtensionsTable(QWidget *parent, const StringList &list);

    // Show the table modally and return once the window is closed and freed.
    static void ShowGuideTable(QWidget *parent, QByteArrayView caption, const StringList &list);
    static void ShowExtensionsTable(QWidget *parent, const StringList &list);

public slots:
    // Jumps to the first row at or after the typed text.
    void TeEdit1Change();

protected:
    void showEvent(QShowEvent *event) override;

private:
    using Splitter = QList<QByteArray> (*)(QByteArrayView);
    void fill(int columns, const StringList &list, Splitter split);
    void sizeColumns(int extraWidth);

    std::unique_ptr<Ui::TTextForm> ui;
    // Column 0 as 8-bit text, one entry per grid row, for the search.
    QList<QByteArray> m_firstColumn;
};
