// Painting a headword caption: the accent marks colour the letter after them
// and are never shown; the cost stays linear in the caption's length.
#include "dict/dictionary.h"
#include "dict/pane.h"

#include <QElapsedTimer>
#include <QTest>

namespace {

// Records what is painted: plain runs as they are, accented runs in braces,
// selected accents in square brackets. Empty runs are left out.
class RecordingCanvas : public CaptionCanvas
{
public:
    QColor fontColor() const override { return m_color; }
    void setFontColor(const QColor &color) override { m_color = color; }
    BrushStyle brushStyle() const override { return m_brush; }
    void setBrushStyle(BrushStyle style) override { m_brush = style; }
    void textRect(const QRect &, int x, int, const QByteArray &text) override
    {
        if (m_brush != BrushStyle::Clear)
            painted += "!"; // captions are painted over the item's background
        if (text.isEmpty())
            return;
        if (x != m_nextX)
            painted += "@" + QByteArray::number(x);
        m_nextX = x + textWidth(text);
        if (m_color == DictColors::Accent)
            painted += "{" + text + "}";
        else if (m_color == DictColors::SelectedAccent)
            painted += "[" + text + "]";
        else
            painted += text;
    }
    int textWidth(const QByteArray &text) const override { return int(text.size()) * 7; }

    QByteArray painted;

private:
    QColor m_color = Qt::black;
    BrushStyle m_brush = BrushStyle::Solid;
    int m_nextX = 4;
};

} // namespace

class TestCaption : public QObject
{
    Q_OBJECT

private slots:
    void draw_data()
    {
        QTest::addColumn<QByteArray>("caption");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<QByteArray>("painted");
        QTest::newRow("no accent") << QByteArray("abc") << false << QByteArray("abc");
        QTest::newRow("accent inside") << QByteArray("ha|ck") << false << QByteArray("ha{c}k");
        QTest::newRow("accent first") << QByteArray("|ab") << false << QByteArray("{a}b");
        QTest::newRow("two accents") << QByteArray("a|bc|de") << false << QByteArray("a{b}c{d}e");
        QTest::newRow("accent on a mark") << QByteArray("||a") << false << QByteArray("{|}a");
        QTest::newRow("mark at the end") << QByteArray("ab|") << false << QByteArray("ab");
        QTest::newRow("only a mark") << QByteArray("|") << false << QByteArray();
        QTest::newRow("selected") << QByteArray("a|b") << true << QByteArray("a[b]");
    }

    void draw()
    {
        QFETCH(QByteArray, caption);
        QFETCH(bool, selected);
        QFETCH(QByteArray, painted);
        RecordingCanvas canvas;
        TDictWord(0, 0, caption).Draw(canvas, QRect(0, 0, 300, 16), 4, 0, selected);
        QCOMPARE(canvas.painted, painted);
        QCOMPARE(canvas.brushStyle(), CaptionCanvas::BrushStyle::Solid);
    }

    // A hostile word base may hold a caption of a million accent marks: painting
    // it must take about as long as reading it, not time quadratic in the marks.
    void manyAccentsCostLinearTime()
    {
        QByteArray caption;
        for (int i = 0; i < 500000; ++i)
            caption += "|a";
        RecordingCanvas canvas;
        QElapsedTimer timer;
        timer.start();
        TDictWord(0, 0, caption).Draw(canvas, QRect(0, 0, 300, 16), 4, 0, false);
        QVERIFY2(timer.elapsed() < 10000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(canvas.painted.size(), qsizetype(500000 * 3));
        QVERIFY(canvas.painted.endsWith("{a}{a}"));
    }
};

QTEST_GUILESS_MAIN(TestCaption)
#include "tst_caption.moc"
