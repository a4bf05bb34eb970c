#include "forms/advertisingform.h"
#include "forms/advertisingtext.h"
#include "text/cp1251.h"
#include "view/skin.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

namespace {

QList<AdvertisingRun> runsOfLine(const QList<AdvertisingRun> &runs, int line)
{
    QList<AdvertisingRun> out;
    for (const AdvertisingRun &run : runs)
        if (run.line == line)
            out.append(run);
    return out;
}

QFont boldOf(QFont font)
{
    font.setBold(true);
    return font;
}

} // namespace

class TestAdvertisingForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void text();
    void clipboard();
    void sizing();
    void boldSpans_data();
    void boldSpans();
    void plainLinesAreOneRun();
    void paintsTheText();
};

void TestAdvertisingForm::initTestCase() { applySkin(*qApp); }

// 35 lines, each with an 8-bit Windows-1251 form, and the contact address and
// the payment identifiers exactly as long as the bold spans that cover them.
void TestAdvertisingForm::text()
{
    const QStringList lines = advertisingLines();
    QCOMPARE(lines.size(), 35);
    for (const QString &line : lines) {
        qsizetype bad = 0;
        toCp1251(line, &bad);
        QCOMPARE(bad, qsizetype(-1));
        QVERIFY(!line.contains(QChar(0x07)));
    }
    QCOMPARE(lines.at(2), QStringLiteral("Нет ничего проще!"));
    QVERIFY(lines.at(17).endsWith(QStringLiteral(" с темой письма - Баннер в BRIVELA.")));
    QCOMPARE(lines.at(17).size(), 17 + 35);
    QVERIFY(lines.at(23).startsWith(QStringLiteral("Указанную сумму следует перевести на WMID ")));
    QVERIFY(lines.at(23).endsWith(QStringLiteral(", кошелек")));
    QCOMPARE(lines.at(23).size(), 37 + 17 + 9);
    QCOMPARE(lines.at(24).size(), 14);
}

void TestAdvertisingForm::clipboard()
{
    TAdvertisingForm form;
    QCOMPARE(form.lineCount(), 35);
    QApplication::clipboard()->clear();
    QTest::mouseClick(form.findChild<QPushButton *>(QStringLiteral("TeButton2")), Qt::LeftButton);

    const QString copied = QApplication::clipboard()->text();
    QVERIFY(copied.endsWith(QStringLiteral("\r\n")));
    QStringList lines = copied.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.takeLast(), QString());
    QCOMPARE(lines, advertisingLines());
    QVERIFY(lines.at(1).isEmpty());
    QVERIFY(lines.at(33).isEmpty());
    QVERIFY(!copied.contains(QChar(0x07)));
    QCOMPARE(copied.count(QLatin1Char('\n')), 35);
    QCOMPARE(copied.count(QLatin1Char('\r')), 35);
}

// As wide as the widest line plus 30, the paint box 35 line heights plus 5,
// and the scroll box scrolls what does not fit.
void TestAdvertisingForm::sizing()
{
    TAdvertisingForm form;
    auto *box = form.findChild<QWidget *>(QStringLiteral("TePaintBox1"));
    const QFontMetrics metrics(form.textFont(), box);
    QCOMPARE(form.textFont().pointSize(), 10);

    int widest = 0;
    for (const QString &line : advertisingLines())
        widest = std::max(widest, metrics.horizontalAdvance(line));
    QCOMPARE(form.width(), widest + 30);
    QCOMPARE(form.height(), 411);
    QCOMPARE(box->height(), 35 * metrics.height() + 5);

    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto *scroll = form.findChild<QScrollArea *>(QStringLiteral("TeScrollBox1"));
    QCOMPARE(box->height(), 35 * metrics.height() + 5);
    QCOMPARE(box->width(), scroll->viewport()->width());
    QCOMPARE(scroll->verticalScrollBar()->maximum(), box->height() - scroll->viewport()->height());
    QVERIFY(scroll->verticalScrollBar()->maximum() > 0);
}

void TestAdvertisingForm::boldSpans_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("boldPattern");
    QTest::addColumn<QString>("after");

    QTest::newRow("contact address") << 17 << QString() << QStringLiteral("^\\S+@\\S+$")
                                     << QStringLiteral(" с темой письма - Баннер в BRIVELA.");
    QTest::newRow("payment account") << 23 << QStringLiteral("Указанную сумму следует перевести на ")
                                     << QStringLiteral("^WMID \\d{12}$") << QStringLiteral(", кошелек");
    QTest::newRow("purse") << 24 << QString() << QStringLiteral("^[A-Z]\\d{12}$") << QStringLiteral(".");
}

// The bold span starts right after the normal text before it, and the text
// after it right after the span's own bold width, on the line's own row.
void TestAdvertisingForm::boldSpans()
{
    QFETCH(int, line);
    QFETCH(QString, before);
    QFETCH(QString, boldPattern);
    QFETCH(QString, after);

    TAdvertisingForm form;
    auto *box = form.findChild<QWidget *>(QStringLiteral("TePaintBox1"));
    const QFont normal = form.textFont();
    const QFontMetrics normalMetrics(normal, box);
    const QFontMetrics boldMetrics(boldOf(normal), box);

    QList<AdvertisingRun> runs = runsOfLine(advertisingRuns(normal, box), line);
    if (before.isEmpty())
        runs.prepend(AdvertisingRun {line, 0, QString(), false, QPoint(0, runs.at(0).position.y())});
    QCOMPARE(runs.size(), 3);
    const AdvertisingRun &lead = runs.at(0), &span = runs.at(1), &tail = runs.at(2);

    QCOMPARE(lead.text, before);
    QVERIFY2(QRegularExpression(boldPattern).match(span.text).hasMatch(), qPrintable(span.text));
    QCOMPARE(tail.text, after);
    QVERIFY(!lead.bold && span.bold && !tail.bold);

    const int y = line * normalMetrics.height();
    QCOMPARE(span.position, QPoint(normalMetrics.horizontalAdvance(before), y));
    QCOMPARE(tail.position, QPoint(span.position.x() + boldMetrics.horizontalAdvance(span.text), y));
    QVERIFY(boldMetrics.horizontalAdvance(span.text) > normalMetrics.horizontalAdvance(span.text));
}

void TestAdvertisingForm::plainLinesAreOneRun()
{
    TAdvertisingForm form;
    auto *box = form.findChild<QWidget *>(QStringLiteral("TePaintBox1"));
    const QList<AdvertisingRun> runs = advertisingRuns(form.textFont(), box);
    const QStringList lines = advertisingLines();
    const int height = QFontMetrics(form.textFont(), box).height();
    for (int line = 0; line < lines.size(); ++line) {
        if (line == 17 || line == 23 || line == 24 || lines.at(line).isEmpty())
            continue;
        const QList<AdvertisingRun> own = runsOfLine(runs, line);
        QCOMPARE(own.size(), 1);
        QCOMPARE(own.at(0).text, lines.at(line));
        QVERIFY(!own.at(0).bold);
        QCOMPARE(own.at(0).position, QPoint(0, line * height));
    }
}

// Something is drawn on the rows of text lines and nothing on the blank ones.
void TestAdvertisingForm::paintsTheText()
{
    TAdvertisingForm form;
    auto *box = form.findChild<QWidget *>(QStringLiteral("TePaintBox1"));
    box->resize(form.width(), box->height());
    const QImage image = box->grab().toImage();
    const int height = QFontMetrics(form.textFont(), box).height();
    const QRgb background = image.pixel(image.width() - 1, image.height() - 1);

    auto rowHasInk = [&](int line) {
        for (int y = line * height; y < (line + 1) * height && y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != background)
                    return true;
        return false;
    };
    const QStringList lines = advertisingLines();
    for (int line = 0; line < lines.size(); ++line)
        QCOMPARE(rowHasInk(line), !lines.at(line).isEmpty());
}

QTEST_MAIN(TestAdvertisingForm)
#include "tst_advertisingform.moc"
