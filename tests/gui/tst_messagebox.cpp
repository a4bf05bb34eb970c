#include "forms/messagebox.h"
#include "text/cp1251.h"
#include "view/skin.h"
#include "whenmodal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

class TestMessageBox : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void result_data();
    void result();
};

void TestMessageBox::initTestCase() { applySkin(*qApp); }

void TestMessageBox::result_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("result");

    QTest::newRow("OK") << QStringLiteral("ok") << int(ModalResult::Ok);
    QTest::newRow("Retry") << QStringLiteral("retry") << int(ModalResult::Retry);
    QTest::newRow("closed by the frame") << QStringLiteral("close") << int(ModalResult::Cancel);
}

// The box shows the caption, the text as plain text, no icon and exactly the
// two buttons, and returns the button that closed it.
void TestMessageBox::result()
{
    QFETCH(QString, action);
    QFETCH(int, result);

    // "A" is Latin, the rest Cyrillic, as anecdote captions have it.
    const QByteArray caption = "A" + toCp1251(QStringLiteral("некдот #12"));
    const QString text = QStringLiteral("Программист <b>не</b> спит & видит сны");

    QMessageBox *seen = nullptr;
    QString title, shownText;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QMessageBox::StandardButtons buttons;
    whenModal([&](QWidget *modal) {
        seen = qobject_cast<QMessageBox *>(modal);
        if (!seen || !seen->button(QMessageBox::Ok) || !seen->button(QMessageBox::Retry)) {
            modal->close();
            return;
        }
        title = seen->windowTitle();
        shownText = seen->text();
        format = seen->textFormat();
        icon = seen->icon();
        buttons = seen->standardButtons();
        if (action == QLatin1String("ok"))
            seen->button(QMessageBox::Ok)->click();
        else if (action == QLatin1String("retry"))
            seen->button(QMessageBox::Retry)->click();
        else if (!seen->close())
            seen->button(QMessageBox::Ok)->click(); // refused to close: end it, and fail below
    });

    const int got
        = ShowMessageWithCaption(nullptr, text, caption, QMessageBox::Ok | QMessageBox::Retry, QMessageBox::NoIcon);
    QVERIFY(seen);
    QCOMPARE(got, result);
    QCOMPARE(title, QStringLiteral("Aнекдот #12"));
    QCOMPARE(shownText, text);
    QCOMPARE(format, Qt::PlainText);
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons, QMessageBox::Ok | QMessageBox::Retry);
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
