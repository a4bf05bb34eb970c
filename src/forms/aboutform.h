#pragma once

#include <QDialog>
#include <QUrl>

#include <memory>

namespace Ui {
class TAboutForm;
}

// The About window: logo, name, version, credits and the maker's link. It is
// made once and shown modally as often as asked; it keeps the last version text.
class TAboutForm : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutForm(QWidget *parent = nullptr);
    ~TAboutForm() override;

    // Written before each showing with the main window's version text.
    void setVersionText(const QString &text);

    static QUrl makerSite();

public slots:
    // Opens the maker's web site; the window stays open.
    void TeLabel2Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::TAboutForm> ui;
};
