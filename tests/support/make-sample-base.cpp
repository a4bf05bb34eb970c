// Writes the small sample word base that the program runs on until the
// bundled one is compiled: headword cards from a text file in the card format
// of docs/wordbase-source.md (headwords, justified and plain lines, indents,
// links by headword or by #id), and the guides, anecdotes, banners and refused
// words of data/wordbase.
//
//   brivela-sample-base CARDS DATA_DIR OUTPUT
#include "testwordbase.h"

#include "dict/dictionary.h"
#include "text/ansi.h"
#include "text/cp1251.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>

namespace {

struct Card {
    QStringList captions;
    QStringList lines; // with their '>' or '.' prefix
    QList<int> lineNumbers;
};

[[noreturn]] void fail(const QString &message)
{
    std::fprintf(stderr, "brivela-sample-base: %s\n", message.toUtf8().constData());
    std::exit(1);
}

QString readText(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read %1").arg(path));
    QString text = QString::fromUtf8(f.readAll());
    text.remove(QLatin1Char('\r'));
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

QByteArray searchKey(const QString &caption)
{
    QByteArray key = toCp1251(caption);
    key.replace('|', QByteArray());
    return AnsiLowerCase(key);
}

QList<Card> readCards(const QString &path)
{
    QList<Card> cards;
    const QStringList lines = readText(path).split(QLatin1Char('\n'));
    bool inDescription = true;
    for (int n = 0; n < lines.size(); ++n) {
        const QString &line = lines[n];
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line == QLatin1String("---")) {
            inDescription = true;
        } else if (line.startsWith(QLatin1String("@ "))) {
            if (inDescription)
                cards.append(Card{});
            inDescription = false;
            cards.last().captions.append(line.mid(2));
        } else if (line.startsWith(QLatin1Char('>')) || line.startsWith(QLatin1Char('.'))) {
            if (cards.isEmpty() || cards.last().captions.isEmpty())
                fail(QStringLiteral("%1:%2: a description line before any headword").arg(path).arg(n + 1));
            inDescription = true;
            cards.last().lines.append(line.left(1) + line.mid(2));
            cards.last().lineNumbers.append(n + 1);
        } else {
            fail(QStringLiteral("%1:%2: not a card line").arg(path).arg(n + 1));
        }
    }
    return cards;
}

void addGuides(TestWordBase &base, const QString &dataDir)
{
    base.smileys = readText(dataDir + QStringLiteral("/guides/smileys.txt"));
    base.acronyms = readText(dataDir + QStringLiteral("/guides/acronyms.txt"));
    base.users = readText(dataDir + QStringLiteral("/guides/users.txt"));
    base.extensions = readText(dataDir + QStringLiteral("/guides/extensions.txt"));

    const QStringList anecdotes =
        readText(dataDir + QStringLiteral("/anecdotes.txt")).split(QRegularExpression(QStringLiteral("\n%\n")));
    for (QString a : anecdotes) {
        a = a.trimmed();
        if (!a.isEmpty())
            base.anecdotes.append(a.replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
    }

    for (const QString &block : readText(dataDir + QStringLiteral("/banners.txt")).split(QStringLiteral("\n\n"))) {
        TestWordBase::Banner banner;
        for (const QString &row : block.split(QLatin1Char('\n'))) {
            const qsizetype eq = row.indexOf(QLatin1Char('='));
            const QString key = row.left(eq).trimmed();
            const QString value = row.mid(eq + 1).trimmed();
            if (key == u"image") {
                QFile gif(dataDir + QLatin1Char('/') + value);
                if (!gif.open(QIODevice::ReadOnly))
                    fail(QStringLiteral("cannot read %1").arg(gif.fileName()));
                banner.gif = gif.readAll();
            } else if (key == u"hint") {
                banner.hint = value;
            } else if (key == u"link") {
                banner.link = value;
            }
        }
        if (!banner.gif.isEmpty())
            base.banners.append(banner);
    }

    base.refused = readText(dataDir + QStringLiteral("/refused.txt")).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        fail(QStringLiteral("usage: brivela-sample-base CARDS DATA_DIR OUTPUT"));

    const QList<Card> cards = readCards(args[1]);
    TestWordBase base;
    base.edition = 1;

    // Word ids in the order the search box expects: by letter, then alphabetically.
    struct Headword {
        QString caption;
        int card;
        uint8_t letter;
        QByteArray key;
    };
    QList<Headword> words;
    for (int c = 0; c < cards.size(); ++c)
        for (const QString &caption : cards[c].captions)
            words.append({caption, c, TDictionary::LetterOf(toCp1251(caption)), searchKey(caption)});
    std::stable_sort(words.begin(), words.end(), [](const Headword &a, const Headword &b) {
        if (a.letter != b.letter)
            return a.letter < b.letter;
        return AnsiCompareStr(a.key, b.key) < 0;
    });

    const QRegularExpression link(QStringLiteral("\\[([^\\]]*)\\](?:\\(([^)]*)\\))?"));
    for (const Card &card : cards) {
        QStringList lines;
        for (int l = 0; l < card.lines.size(); ++l) {
            QString line = card.lines[l];
            QString out;
            qsizetype at = 0;
            for (auto m = link.globalMatch(line); m.hasNext();) {
                const auto match = m.next();
                out += line.mid(at, match.capturedStart() - at);
                const QString text = match.captured(1);
                const QString target = match.captured(2).isEmpty() ? text : match.captured(2);
                int id = -2;
                if (target.startsWith(QLatin1Char('#'))) {
                    id = target.mid(1).toInt();
                } else {
                    for (int w = 0; w < words.size(); ++w)
                        if (words[w].key == searchKey(target))
                            id = w;
                }
                if (id == -2)
                    fail(QStringLiteral("%1:%2: no headword \"%3\"").arg(args[1]).arg(card.lineNumbers[l]).arg(target));
                out += QStringLiteral("{%1:%2}").arg(id).arg(text);
                at = match.capturedEnd();
            }
            lines.append(out + line.mid(at));
        }
        base.addDescription(lines);
    }
    for (const Headword &w : words)
        base.addWord(w.caption, w.card);

    addGuides(base, args[2]);
    if (!base.write(args[3]))
        fail(QStringLiteral("cannot write %1").arg(args[3]));
    return 0;
}
