#include "forms/aboutform.h"
#include "view/skin.h"
#include "whenmodal.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTest>

class TestAboutForm : public QObject
{
    Q_OBJECT

public slots:
    void openUrl(const QUrl &url) { m_opened.append(url); }

private slots:
    void initTestCase();
    void cleanupTestCase();
    void versionLabel();
    void makerLinkKeepsWindowOpen();

private:
    QList<QUrl> m_opened;
};

void TestAboutForm::initTestCase()
{
    applySkin(*qApp);
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
}

void TestAboutForm::cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }

// The version text replaces "Version" and shows whole, not cut at the
// designed 35 px; a later text replaces it again.
void TestAboutForm::versionLabel()
{
    TAboutForm form;
    auto *label = form.findChild<QLabel *>(QStringLiteral("TeLabel6"));
    QCOMPARE(label->text(), QStringLiteral("Version"));

    for (const QString &version : {QStringLiteral("Version 1.0"), QStringLiteral("Version 1.0.1")}) {
        form.setVersionText(version);
        QCOMPARE(label->text(), version);
        QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(version));
    }
}

// The link opens the site while the About window stays up and modal; OK then
// closes it, and the next showing has the same content.
void TestAboutForm::makerLinkKeepsWindowOpen()
{
    TAboutForm form;
    form.setVersionText(QStringLiteral("Version 1.0"));
    m_opened.clear();

    bool stayedModal = false;
    whenModal([&](QWidget *) {
        QTest::mouseClick(form.findChild<QLabel *>(QStringLiteral("TeLabel2")), Qt::LeftButton);
        QTest::qWait(20);
        stayedModal = form.isVisible() && QApplication::activeModalWidget() == &form;
        QTest::mouseClick(form.findChild<QPushButton *>(QStringLiteral("TeButton1")), Qt::LeftButton);
    });
    QCOMPARE(form.exec(), int(QDialog::Accepted));
    QCOMPARE(m_opened, QList<QUrl> {QUrl(QStringLiteral("https://quennic.example/"))});
    QVERIFY(stayedModal);
    QVERIFY(!form.isVisible());

    QString secondVersion;
    whenModal([&](QWidget *modal) {
        secondVersion = modal->findChild<QLabel *>(QStringLiteral("TeLabel6"))->text();
        qobject_cast<QDialog *>(modal)->accept();
    });
    form.exec();
    QCOMPARE(secondVersion, QStringLiteral("Version 1.0"));
}

QTEST_MAIN(TestAboutForm)
#include "tst_aboutform.moc"
