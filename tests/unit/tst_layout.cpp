// Description pages and headword captions against a fake pane whose labels are
// 10 px per byte wide, so every position can be worked out by hand.
#include "dict/dictionary.h"
#include "dict/pane.h"

#include <QTest>

#include <memory>

namespace {

constexpr int kCharWidth = 10;
constexpr int kLineHeight = 16;

class FakeLabel : public DescriptionLabel
{
public:
    explicit FakeLabel(const QHash<QByteArray, int> &heights) : m_heights(heights) { }

    void setTransparent(bool on) override { transparent = on; }
    void setLeft(int x) override { m_left = x; }
    void setTop(int y) override { m_top = y; }
    int left() const override { return m_left; }
    int top() const override { return m_top; }
    void setFontSize(int points) override { fontSize = points; }
    void setFontColor(const QColor &c) override { color = c; }
    void setCaption(const QByteArray &text) override { caption = text; }
    void setTag(int t) override { m_tag = t; }
    int tag() const override { return m_tag; }
    void setHandCursor() override { handCursor = true; }
    void setClickHandler(std::function<void(DescriptionLabel &)> h) override { onClick = std::move(h); }
    int width() const override { return int(caption.size()) * kCharWidth; }
    int height() const override { return m_heights.value(caption, kLineHeight); }

    bool transparent = false;
    bool handCursor = false;
    int fontSize = 0;
    QColor color = Qt::black;
    QByteArray caption;
    std::function<void(DescriptionLabel &)> onClick;
    bool visible = true;

private:
    const QHash<QByteArray, int> &m_heights;
    int m_left = -1;
    int m_top = -1;
    int m_tag = 0;
};

class FakePane : public DescriptionPane
{
public:
    int childCount() const override { return int(children.size()); }
    bool isChildVisible(int i) const override { return children.at(size_t(i))->visible; }
    void hideChild(int i) override { children.at(size_t(i))->visible = false; }
    void destroyChild(int i) override
    {
        ++destroyed;
        children.erase(children.begin() + i);
    }
    DescriptionLabel *makeLabel() override
    {
        children.push_back(std::make_shared<FakeLabel>(heights));
        return children.back().get();
    }

    QList<FakeLabel *> visibleLabels() const
    {
        QList<FakeLabel *> out;
        for (const auto &c : children)
            if (c->visible)
                out.append(c.get());
        return out;
    }

    std::vector<std::shared_ptr<FakeLabel>> children;
    QHash<QByteArray, int> heights;
    int destroyed = 0;
};

// A line from tokens: "_" a space, ">" an indent, "@id:text" a link, else a text run.
std::unique_ptr<TDescriptionLine> makeLine(const QList<QByteArray> &tokens, uint8_t justify)
{
    auto line = std::make_unique<TDescriptionLine>();
    line->setJustify(justify);
    for (const QByteArray &t : tokens) {
        if (t == "_")
            line->append(std::make_unique<TSpaceElement>());
        else if (t == ">")
            line->append(std::make_unique<TIdentElement>());
        else if (t.startsWith('@')) {
            const qsizetype colon = t.indexOf(':');
            line->append(std::make_unique<TRefElement>(t.mid(1, colon - 1).toInt(), t.mid(colon + 1)));
        } else
            line->append(std::make_unique<TTextElement>(t));
    }
    return line;
}

QList<int> lefts(const QList<FakeLabel *> &labels)
{
    QList<int> out;
    for (const FakeLabel *l : labels)
        out.append(l->left());
    return out;
}

QList<int> spaceWidths(const TDescriptionLine &line)
{
    QList<int> out;
    for (const auto &e : line.elements())
        if (e->Stretchable())
            out.append(e->Width());
    return out;
}

const QByteArray kSynonymsHeading("\xD1\xE8\xED\xEE\xED\xE8\xEC\xFB"); // "Синонимы"

// What one textRect call painted.
struct Paint {
    QByteArray text;
    int x;
    int y;
    QColor color;
    bool operator==(const Paint &o) const { return text == o.text && x == o.x && y == o.y && color == o.color; }
};

class FakeCanvas : public CaptionCanvas
{
public:
    QColor fontColor() const override { return m_color; }
    void setFontColor(const QColor &c) override { m_color = c; }
    BrushStyle brushStyle() const override { return m_brush; }
    void setBrushStyle(BrushStyle s) override { m_brush = s; }
    void textRect(const QRect &r, int x, int y, const QByteArray &text) override
    {
        QCOMPARE(r, QRect(0, 0, 177, 16));
        if (m_brush != BrushStyle::Clear)
            paintedOnSolidBrush = true;
        if (!text.isEmpty()) // painting nothing leaves no trace
            paints.append({text, x, y, m_color});
    }
    int textWidth(const QByteArray &text) const override { return int(text.size()) * kCharWidth; }

    QColor m_color {10, 20, 30};
    BrushStyle m_brush = BrushStyle::Solid;
    QList<Paint> paints;
    bool paintedOnSolidBrush = false;
};

} // namespace

Q_DECLARE_METATYPE(QList<QByteArray>)
Q_DECLARE_METATYPE(QList<Paint>)

namespace QTest {
template <> char *toString(const Paint &p)
{
    return qstrdup(QStringLiteral("(%1 at %2,%3 in %4)")
                       .arg(QString::fromLatin1(p.text), QString::number(p.x), QString::number(p.y), p.color.name())
                       .toLatin1()
                       .constData());
}
} // namespace QTest

class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void lineLayout_data()
    {
        QTest::addColumn<QList<QByteArray>>("tokens");
        QTest::addColumn<int>("justify");
        QTest::addColumn<QList<int>>("labelLefts");
        QTest::addColumn<QList<int>>("spaces");

        QTest::newRow("plain: runs side by side, spaces 5 wide")
            << QList<QByteArray> {"ab", "_", "cd", "_", "_", "e"} << 0 << QList<int> {10, 35, 65}
            << QList<int> {5, 5, 5};
        QTest::newRow("plain: tabs 30 wide")
            << QList<QByteArray> {">", "ab", ">", "cd"} << 0 << QList<int> {40, 90} << QList<int> {};
        QTest::newRow("plain: link inline")
            << QList<QByteArray> {"ab", "_", "@7:cde", "_", "f"} << 0 << QList<int> {10, 35, 70} << QList<int> {5, 5};
        // fixed 190, free 100 over three spaces: the remainder goes to the last.
        QTest::newRow("justified: remainder to the later spaces")
            << QList<QByteArray> {"aaaaa", "_", "bbbbb", "_", "ccccc", "_", "dddd"} << 1
            << QList<int> {10, 93, 176, 260} << QList<int> {33, 33, 34};
        QTest::newRow("justified: any non-zero flag")
            << QList<QByteArray> {"aaaaa", "_", "bbbbb"} << 0x7E << QList<int> {10, 250} << QList<int> {190};
        QTest::newRow("justified: a tab counts 30 as fixed width")
            << QList<QByteArray> {">", "aaaaa", "_", "bbbbb"} << 1 << QList<int> {40, 250} << QList<int> {160};
        QTest::newRow("justified: wider than 290 gives spaces 5")
            << QList<QByteArray> {"aaaaaaaaaaaaaaa", "_", "bbbbbbbbbbbbbbb", "_", "c"} << 1 << QList<int> {10, 165, 320}
            << QList<int> {5, 5};
        QTest::newRow("justified: little room gives at least 5 each")
            << QList<QByteArray> {"aaaaaaaaaaaaaaaaaaaaaaaaaaaa", "_", "_", "_", "b"} << 1 << QList<int> {10, 305}
            << QList<int> {5, 5, 5};
        QTest::newRow("justified: no spaces keeps the first pass")
            << QList<QByteArray> {"aaa", "@3:bb", "c"} << 1 << QList<int> {10, 40, 60} << QList<int> {};
        QTest::newRow("justified: spaces only")
            << QList<QByteArray> {"_", "_"} << 1 << QList<int> {} << QList<int> {145, 145};
    }

    void lineLayout()
    {
        QFETCH(QList<QByteArray>, tokens);
        QFETCH(int, justify);
        QFETCH(QList<int>, labelLefts);
        QFETCH(QList<int>, spaces);

        FakePane pane;
        auto line = makeLine(tokens, uint8_t(justify));
        line->Layout(pane, 37);
        QCOMPARE(lefts(pane.visibleLabels()), labelLefts);
        QCOMPARE(spaceWidths(*line), spaces);
        for (const FakeLabel *l : pane.visibleLabels()) {
            QCOMPARE(l->top(), 37);
            QCOMPARE(l->fontSize, 10);
            QVERIFY(l->transparent);
        }
    }

    // A space keeps its width between showings, but a new justification
    // recomputes it from scratch, and a plain line never changes it.
    void relayoutGivesSamePositions()
    {
        FakePane pane;
        auto line = makeLine({"aaaaa", "_", "bbbbb", "_", "ccccc", "_", "dddd"}, 1);
        line->Layout(pane, 10);
        line->Layout(pane, 10);
        QCOMPARE(lefts(pane.visibleLabels()).mid(4), (QList<int> {10, 93, 176, 260}));
    }

    void lineHeight()
    {
        FakePane pane;
        pane.heights.insert("tall", 23);
        auto line = makeLine({"ab", "_", "tall", "_", "@1:cd"}, 0);
        QCOMPARE(line->Height(), 0); // nothing placed yet
        line->Layout(pane, 50);
        QCOMPARE(line->Height(), 23);
        for (const FakeLabel *l : pane.visibleLabels())
            QCOMPARE(l->top(), 50);
        QCOMPARE(makeLine({">", "_", "_"}, 1)->Height(), 0);
    }

    void linkLabels()
    {
        FakePane pane;
        int clickedTag = 0;
        pane.setLinkClickHandler([&](DescriptionLabel &l) { clickedTag = l.tag(); });
        auto line = makeLine({"see", "_", "@-1:smileys"}, 0);
        line->Layout(pane, 10);
        FakeLabel *text = pane.visibleLabels().at(0);
        FakeLabel *link = pane.visibleLabels().at(1);
        QCOMPARE(text->color, QColor(Qt::black)); // the pane's own colour is left alone
        QVERIFY(!text->handCursor);
        QVERIFY(!text->onClick);
        QCOMPARE(link->color, QColor(0, 0, 255));
        QVERIFY(link->handCursor);
        QCOMPARE(link->tag(), -1);
        QVERIFY(link->onClick);
        link->onClick(*link);
        QCOMPARE(clickedTag, -1);
    }

    // Lines stack from y = 10; a line of spaces and indents takes no height.
    void pageLines()
    {
        FakePane pane;
        pane.heights.insert("big", 20);
        TWordDescription d;
        d.appendLine(makeLine({"one"}, 0));
        d.appendLine(makeLine({"big", "_", "x"}, 1));
        d.appendLine(makeLine({"_", ">", "_"}, 1));
        d.appendLine(makeLine({"four"}, 0));
        d.ShowDescription(pane, 0);
        const auto labels = pane.visibleLabels();
        QCOMPARE(labels.size(), 4);
        QCOMPARE(labels[0]->top(), 10);
        QCOMPARE(labels[1]->top(), 26);
        QCOMPARE(labels[2]->top(), 26);
        QCOMPARE(labels[3]->top(), 46);
    }

    void synonymsBlock_data()
    {
        QTest::addColumn<int>("synonymCount");
        QTest::addColumn<int>("shownId");
        QTest::addColumn<QList<int>>("listedIds");

        QTest::newRow("one headword: no block") << 1 << 0 << QList<int> {};
        QTest::newRow("two headwords: the other one") << 2 << 0 << QList<int> {1};
        QTest::newRow("three, shown in the middle") << 3 << 1 << QList<int> {0, 2};
        QTest::newRow("shown word not among them") << 2 << 9 << QList<int> {0, 1};
    }

    void synonymsBlock()
    {
        QFETCH(int, synonymCount);
        QFETCH(int, shownId);
        QFETCH(QList<int>, listedIds);

        FakePane pane;
        pane.heights.insert(kSynonymsHeading, 18);
        TWordDescription d;
        d.appendLine(makeLine({"text"}, 0)); // ends at y = 26
        for (int id = 0; id < synonymCount; ++id)
            d.AddSynonym(std::make_unique<TRefElement>(id, QByteArray("word") + QByteArray::number(id)));
        d.ShowDescription(pane, shownId);

        const auto labels = pane.visibleLabels();
        if (synonymCount < 2) {
            QCOMPARE(labels.size(), 1);
            return;
        }
        QCOMPARE(labels.size(), 2 + listedIds.size());
        const FakeLabel *heading = labels[1];
        QCOMPARE(heading->caption, kSynonymsHeading);
        QCOMPARE(heading->left(), 40);
        QCOMPARE(heading->top(), 26 + 18);
        QCOMPARE(heading->color, QColor(0, 128, 0));
        QCOMPARE(heading->fontSize, 10);
        QVERIFY(heading->transparent);
        int y = 26 + 2 * 18;
        for (int i = 0; i < listedIds.size(); ++i) {
            const FakeLabel *row = labels[2 + i];
            QCOMPARE(row->tag(), listedIds[i]);
            QCOMPARE(row->caption, QByteArray("word") + QByteArray::number(listedIds[i]));
            QCOMPARE(row->left(), 10);
            QCOMPARE(row->top(), y);
            QCOMPARE(row->color, QColor(0, 0, 255));
            y += kLineHeight;
        }
    }

    // The page on show is hidden by the next showing and destroyed by the one
    // after, so a link label outlives the click that replaced its page.
    void pagesAreHiddenThenDestroyed()
    {
        FakePane pane;
        TWordDescription d;
        d.appendLine(makeLine({"a", "_", "@1:b"}, 0));

        d.ShowDescription(pane, 0);
        const std::weak_ptr<FakeLabel> first = pane.children.at(0);
        QCOMPARE(pane.visibleLabels().size(), 2);

        d.ShowDescription(pane, 0);
        QCOMPARE(pane.childCount(), 4);
        QCOMPARE(pane.visibleLabels().size(), 2);
        QVERIFY(!first.lock()->visible);
        QCOMPARE(pane.destroyed, 0);

        d.ShowDescription(pane, 0);
        QCOMPARE(pane.childCount(), 4);
        QCOMPARE(pane.destroyed, 2);
        QVERIFY(first.expired());
    }

    void emptyDescriptionHidesPreviousPage()
    {
        FakePane pane;
        TWordDescription full;
        full.appendLine(makeLine({"a", "_", "b"}, 0));
        TWordDescription empty;
        empty.appendLine(makeLine({}, 0));
        empty.AddSynonym(std::make_unique<TRefElement>(5, "self"));

        full.ShowDescription(pane, 0);
        empty.ShowDescription(pane, 5);
        QCOMPARE(pane.childCount(), 2);
        QVERIFY(pane.visibleLabels().isEmpty());
    }

    void draw_data()
    {
        QTest::addColumn<QByteArray>("caption");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<QList<Paint>>("paints");
        QTest::addColumn<QColor>("finalColor");

        const QColor keep(10, 20, 30), red(255, 0, 0), lime(0, 255, 0), white(255, 255, 255);
        QTest::newRow("no mark") << QByteArray("abc") << false << QList<Paint> {{"abc", 5, 7, keep}} << keep;
        QTest::newRow("no mark, selected") << QByteArray("abc") << true << QList<Paint> {{"abc", 5, 7, white}} << white;
        QTest::newRow("one mark") << QByteArray("a|bc") << false
                                  << QList<Paint> {{"a", 5, 7, keep}, {"b", 15, 7, red}, {"c", 25, 7, keep}} << keep;
        QTest::newRow("one mark, selected")
            << QByteArray("a|bc") << true << QList<Paint> {{"a", 5, 7, white}, {"b", 15, 7, lime}, {"c", 25, 7, white}}
            << white;
        QTest::newRow("two marks") << QByteArray("x|ay|bz") << false
                                   << QList<Paint> {{"x", 5, 7, keep},
                                                    {"a", 15, 7, red},
                                                    {"y", 25, 7, keep},
                                                    {"b", 35, 7, red},
                                                    {"z", 45, 7, keep}}
                                   << keep;
        QTest::newRow("mark on the first letter")
            << QByteArray("|ab") << false << QList<Paint> {{"a", 5, 7, red}, {"b", 15, 7, keep}} << keep;
        QTest::newRow("mark at the end is dropped")
            << QByteArray("ab|") << false << QList<Paint> {{"ab", 5, 7, keep}} << keep;
        QTest::newRow("double mark accents the mark")
            << QByteArray("a||b") << false << QList<Paint> {{"a", 5, 7, keep}, {"|", 15, 7, red}, {"b", 25, 7, keep}}
            << keep;
        QTest::newRow("Cyrillic") << QByteArray("\xD5|\xE0\xEA\xE5\xF0") << true // Х|акер
                                  << QList<Paint> {{"\xD5", 5, 7, white},
                                                   {"\xE0", 15, 7, lime},
                                                   {"\xEA\xE5\xF0", 25, 7, white}}
                                  << white;
    }

    void draw()
    {
        QFETCH(QByteArray, caption);
        QFETCH(bool, selected);
        QFETCH(QList<Paint>, paints);
        QFETCH(QColor, finalColor);

        FakeCanvas canvas;
        TDictWord(0, 0, caption).Draw(canvas, QRect(0, 0, 177, 16), 5, 7, selected);
        QCOMPARE(canvas.paints, paints);
        QVERIFY(!canvas.paintedOnSolidBrush);
        QCOMPARE(canvas.brushStyle(), CaptionCanvas::BrushStyle::Solid);
        QCOMPARE(canvas.fontColor(), finalColor);
    }
};

QTEST_GUILESS_MAIN(TestLayout)
#include "tst_layout.moc"
