#include "compiler.h"

#include "dict/loaderror.h"
#include "dict/sectionwriter.h"
#include "searchorder.h"
#include "sourcelayout.h"
#include "wordbase/banner.h"
#include "wordbase/container.h"
#include "wordbase/wordbase.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>
#include <map>
#include <optional>

namespace {

constexpr char kLinkMark = '~';

// A place in a source file. The column is counted only when a fault is
// reported: counting it for every link would cost time quadratic in the
// length of a line full of links. The line's text is shared, not copied.
struct Place {
    QString file;
    int line = 0;
    QString text;
    qsizetype index = 0;

    int column() const { return columnAt(text, index); }
};

[[noreturn]] void fail(const Place &at, const QString &message)
{
    throw SourceError(at.file, at.line, at.column(), message);
}

Place placeOf(const QString &file, const SourceLine &line, qsizetype index)
{
    return {file, line.number, line.text, index};
}

bool isBlank(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c == u' ' || c == u'\t'; });
}

// The line cut at `end`, so that a scanner stops there; columns stay as in the file.
SourceLine leftPart(const SourceLine &line, qsizetype end) { return {line.number, line.text.left(end)}; }

struct Headword {
    QByteArray caption;
    QByteArray key;
    std::optional<int32_t> explicitId;
    Place at;
};

struct Link {
    QByteArray text;
    std::optional<int32_t> wordId; // given as (#N)
    QByteArray targetKey; // otherwise the headword named
    QByteArray target;
    Place at;
};

// A piece of a line: text bytes as stored, or a link (an index into the card's links).
struct Piece {
    QByteArray bytes;
    int link = -1;
};

struct Line {
    uint8_t flag = 0;
    std::vector<Piece> pieces;
};

struct Card {
    Place at;
    std::vector<Headword> headwords;
    std::vector<Line> lines;
    std::vector<Link> links;
};

Headword parseHeadword(const QString &file, const SourceLine &line)
{
    const QString &text = line.text;
    Headword word;
    word.at = placeOf(file, line, 0);
    if (text.size() == 1)
        return word;
    if (text.at(1) != u' ')
        fail(placeOf(file, line, 1), QStringLiteral("expected a space after @"));

    static const QRegularExpression idSuffix(QStringLiteral(" #([0-9]+)$"));
    qsizetype end = text.size();
    const QRegularExpressionMatch m = idSuffix.match(text, 2);
    if (m.hasMatch()) {
        bool ok = false;
        const int id = m.captured(1).toInt(&ok);
        if (!ok)
            fail(placeOf(file, line, m.capturedStart(1)), QStringLiteral("word id %1 is too large").arg(m.captured(1)));
        word.explicitId = id;
        end = m.capturedStart(0);
    }
    word.at = placeOf(file, line, 2);
    const SourceLine captionPart = leftPart(line, end);
    LineScanner scanner(file, captionPart, 2);
    while (!scanner.atEnd()) {
        const LineScanner::Char c = scanner.next();
        if (c.byte == 0)
            scanner.failAt(c.at, QStringLiteral("a headword cannot hold a zero byte"));
        word.caption.append(char(c.byte));
    }
    word.key = searchKey(word.caption);
    return word;
}

// The text of a link up to its closing ']' (the scanner stands after '[').
QByteArray parseLinkText(LineScanner &scanner, qsizetype open)
{
    QByteArray text;
    for (;;) {
        if (scanner.atEnd())
            scanner.failAt(open, QStringLiteral("a link misses its closing ]"));
        if (scanner.peek() == u']') {
            scanner.skip();
            return text;
        }
        if (scanner.peek() == u'[')
            scanner.failAt(scanner.pos(), QStringLiteral("[ inside a link: write \\[ for a bracket"));
        const LineScanner::Char c = scanner.next();
        if (c.byte == uchar(kLinkMark))
            scanner.failAt(c.at, QStringLiteral("~ cannot stand in a description: the word base marks links with it"));
        text.append(char(c.byte));
    }
}

// The target of a link up to its closing ')' (the scanner stands after '(').
void parseLinkTarget(LineScanner &scanner, qsizetype open, Link &link)
{
    const bool byId = !scanner.atEnd() && scanner.peek() == u'#';
    if (byId)
        scanner.skip();
    QByteArray target;
    for (;;) {
        if (scanner.atEnd())
            scanner.failAt(open, QStringLiteral("a link target misses its closing )"));
        if (scanner.peek() == u')') {
            scanner.skip();
            break;
        }
        target.append(char(scanner.next().byte));
    }
    if (!byId) {
        link.target = target;
        link.targetKey = searchKey(target);
        return;
    }
    static const QRegularExpression number(QStringLiteral("^-?[0-9]+$"));
    bool ok = false;
    const int id = QString::fromLatin1(target).toInt(&ok);
    if (!number.match(QString::fromLatin1(target)).hasMatch() || !ok)
        scanner.failAt(open + 1, QStringLiteral("a word id target is # and a whole number, e.g. (#17)"));
    link.wordId = id;
}

Line parseDescriptionLine(const QString &file, const SourceLine &line, Card &card)
{
    const QString &text = line.text;
    Line out;
    qsizetype i = 1;
    if (text.at(0) == u'>') {
        out.flag = 1;
    } else if (text.at(0) == u'!') {
        while (i < text.size() && text.at(i).isDigit() && text.at(i).unicode() < 0x80)
            ++i;
        bool ok = false;
        const int flag = text.mid(1, i - 1).toInt(&ok);
        if (!ok || flag < 0 || flag > 255)
            fail(placeOf(file, line, 1), QStringLiteral("! needs a flag byte 0..255, e.g. !2"));
        out.flag = uint8_t(flag);
    }
    if (i == text.size())
        return out;
    if (text.at(i) != u' ')
        fail(placeOf(file, line, i), QStringLiteral("expected a space after the line prefix %1").arg(text.left(i)));

    LineScanner scanner(file, line, i + 1);
    QByteArray run;
    auto flushRun = [&] {
        if (!run.isEmpty())
            out.pieces.push_back({std::move(run), -1});
        run.clear();
    };
    while (!scanner.atEnd()) {
        const QChar c = scanner.peek();
        if (c == u'[') {
            const qsizetype open = scanner.pos();
            scanner.skip();
            Link link;
            link.text = parseLinkText(scanner, open);
            if (!scanner.atEnd() && scanner.peek() == u'(') {
                const qsizetype paren = scanner.pos();
                scanner.skip();
                link.at = placeOf(file, line, paren + 1);
                parseLinkTarget(scanner, paren, link);
            } else {
                link.at = placeOf(file, line, open + 1);
                link.target = link.text;
                link.targetKey = searchKey(link.text);
            }
            flushRun();
            out.pieces.push_back({{}, int(card.links.size())});
            card.links.push_back(std::move(link));
            continue;
        }
        if (c == u']')
            scanner.failAt(scanner.pos(), QStringLiteral("] without [: write \\] for a bracket"));
        const LineScanner::Char ch = scanner.next();
        if (ch.byte == uchar(kLinkMark))
            scanner.failAt(ch.at, QStringLiteral("~ cannot stand in a description: the word base marks links with it"));
        if (ch.byte == '\n' || ch.byte == 0)
            scanner.failAt(ch.at, QStringLiteral("LF and NUL may only stand in link texts"));
        run.append(char(ch.byte));
    }
    flushRun();
    return out;
}

void parseCardFile(const QString &file, const SourceLines &lines, std::vector<Card> &cards)
{
    enum class Last { Nothing, Headword, Description, Separator } last = Last::Nothing;
    Card *card = nullptr;
    auto finish = [&] {
        if (card && card->lines.empty())
            fail(card->at, QStringLiteral("a card needs at least one description line (>, . or !N)"));
        card = nullptr;
    };
    auto open = [&](const SourceLine &line) {
        cards.emplace_back();
        card = &cards.back();
        card->at = placeOf(file, line, 0);
    };

    for (const SourceLine &line : lines) {
        const QString &text = line.text;
        if (isBlank(text) || text.startsWith(u'#'))
            continue;
        if (text == u"---") {
            finish();
            last = Last::Separator;
            continue;
        }
        const QChar first = text.at(0);
        if (first == u'@') {
            if (last != Last::Headword) {
                finish();
                open(line);
            }
            card->headwords.push_back(parseHeadword(file, line));
            last = Last::Headword;
        } else if (first == u'>' || first == u'.' || first == u'!') {
            if (last == Last::Nothing)
                fail(placeOf(file, line, 0),
                     QStringLiteral("a description line before any card: a card starts with \"@ \" headword lines, "
                                    "or with --- when no headword uses it"));
            if (last == Last::Separator)
                open(line);
            card->lines.push_back(parseDescriptionLine(file, line, *card));
            last = Last::Description;
        } else {
            fail(placeOf(file, line, 0),
                 QStringLiteral("a line of a card starts with \"@ \" (headword), \"> \", \". \" or \"!N \" "
                                "(description line), # (comment) or is ---"));
        }
    }
    finish();
}

// Word files in byte order of their names.
QStringList cardFiles(const QString &dir)
{
    QDir words(QDir(dir).filePath(SourceLayout::Words));
    if (!words.exists())
        return {};
    QStringList names = words.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Unsorted);
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) { return a.toUtf8() < b.toUtf8(); });
    QStringList paths;
    for (const QString &name : names)
        paths.append(words.filePath(name));
    return paths;
}

QString headwordText(const Headword &w) { return quoted(w.caption); }

// Gives every headword its word id; returns the headwords by word id.
std::vector<const Headword *> numberHeadwords(const std::vector<Card> &cards, std::vector<int32_t> &descOfWord)
{
    std::vector<const Headword *> inSourceOrder;
    std::vector<int32_t> cardOf;
    for (size_t c = 0; c < cards.size(); ++c)
        for (const Headword &w : cards[c].headwords) {
            inSourceOrder.push_back(&w);
            cardOf.push_back(int32_t(c));
        }
    const auto count = int32_t(inSourceOrder.size());
    const auto firstExplicit = std::find_if(inSourceOrder.begin(), inSourceOrder.end(),
                                            [](const Headword *w) { return w->explicitId.has_value(); });
    const bool explicitIds = firstExplicit != inSourceOrder.end();

    std::vector<int32_t> ids;
    if (explicitIds) {
        std::vector<const Headword *> holder(size_t(count), nullptr);
        for (const Headword *w : inSourceOrder) {
            if (!w->explicitId)
                fail(w->at, QStringLiteral("this headword has no word id, but %1:%2 gives one: then every headword "
                                           "needs \" #N\"")
                                .arg((*firstExplicit)->at.file)
                                .arg((*firstExplicit)->at.line));
            const int32_t id = *w->explicitId;
            if (id >= count)
                fail(w->at, QStringLiteral("word id #%1 is out of range: there are %2 headwords, ids 0..%3")
                                .arg(id)
                                .arg(count)
                                .arg(count - 1));
            if (const Headword *other = holder[size_t(id)])
                fail(w->at, QStringLiteral("word id #%1 is already given at %2:%3")
                                .arg(id)
                                .arg(other->at.file)
                                .arg(other->at.line));
            holder[size_t(id)] = w;
            ids.push_back(id);
        }
    } else {
        for (const Card &card : cards) {
            std::map<QByteArray, const Headword *> seen;
            for (const Headword &w : card.headwords) {
                const auto [it, fresh] = seen.emplace(w.key, &w);
                if (!fresh)
                    fail(w.at, QStringLiteral("headword %1 is already on this card (line %2)")
                                   .arg(headwordText(w))
                                   .arg(it->second->at.line));
            }
        }
        std::vector<QByteArray> captions;
        for (const Headword *w : inSourceOrder)
            captions.push_back(w->caption);
        ids = defaultWordIds(captions);
    }

    std::vector<const Headword *> byId(size_t(count), nullptr);
    descOfWord.assign(size_t(count), 0);
    for (size_t i = 0; i < inSourceOrder.size(); ++i) {
        byId[size_t(ids[i])] = inSourceOrder[i];
        descOfWord[size_t(ids[i])] = cardOf[i];
    }
    return byId;
}

QByteArray compileWords(const QString &dir)
{
    std::vector<Card> cards;
    for (const QString &file : cardFiles(dir))
        parseCardFile(file, readSourceFile(file), cards);

    std::vector<int32_t> descOfWord;
    const std::vector<const Headword *> words = numberHeadwords(cards, descOfWord);

    std::map<QByteArray, std::vector<int32_t>> idsByKey;
    for (size_t id = 0; id < words.size(); ++id)
        idsByKey[words[id]->key].push_back(int32_t(id));

    QByteArray out;
    appendInt32(out, int32_t(cards.size()));
    for (const Card &card : cards) {
        for (size_t l = 0; l < card.lines.size(); ++l) {
            const Line &line = card.lines[l];
            out.append(char(line.flag));
            for (const Piece &piece : line.pieces) {
                if (piece.link < 0) {
                    out += piece.bytes;
                    continue;
                }
                const Link &link = card.links[size_t(piece.link)];
                int32_t id = 0;
                if (link.wordId) {
                    id = *link.wordId;
                } else {
                    const auto found = idsByKey.find(link.targetKey);
                    if (found == idsByKey.end())
                        fail(link.at, QStringLiteral("link target %1 names no headword").arg(quoted(link.target)));
                    if (found->second.size() > 1) {
                        QStringList named;
                        for (const int32_t other : found->second)
                            named += QStringLiteral("%1 (#%2, %3:%4)")
                                         .arg(headwordText(*words[size_t(other)]))
                                         .arg(other)
                                         .arg(words[size_t(other)]->at.file)
                                         .arg(words[size_t(other)]->at.line);
                        fail(link.at, QStringLiteral("link target %1 is ambiguous: it names %2; give a word id "
                                                     "instead, e.g. (#%3)")
                                          .arg(quoted(link.target), named.join(QStringLiteral(", ")))
                                          .arg(found->second.front()));
                    }
                    id = found->second.front();
                }
                out.append(kLinkMark);
                appendInt32(out, id);
                out += link.text;
                out.append(kLinkMark);
            }
            out.append(l + 1 < card.lines.size() ? '\n' : '\0');
        }
    }
    appendInt32(out, int32_t(words.size()));
    for (size_t id = 0; id < words.size(); ++id) {
        appendInt32(out, descOfWord[id]);
        out += words[id]->caption;
        out.append('\0');
    }
    return out;
}

struct KeyValue {
    QString key;
    qsizetype valueStart = 0;
};

KeyValue parseKeyValue(const QString &file, const SourceLine &line)
{
    static const QRegularExpression form(QStringLiteral("^([a-z]+) *= *"));
    const QRegularExpressionMatch m = form.match(line.text);
    if (!m.hasMatch())
        fail(placeOf(file, line, 0), QStringLiteral("expected key = value"));
    return {m.captured(1), m.capturedEnd(0)};
}

struct Manifest {
    int32_t edition = 0;
    std::map<QString, std::pair<QByteArray, Place>> texts; // exact texts given by key
    QByteArray trailing;
};

Manifest readManifest(const QString &dir)
{
    const QString file = QDir(dir).filePath(SourceLayout::Manifest);
    Manifest manifest;
    std::map<QString, int> seen;
    bool hasEdition = false;
    for (const SourceLine &line : readSourceFile(file)) {
        if (isBlank(line.text) || line.text.startsWith(u'#'))
            continue;
        const KeyValue kv = parseKeyValue(file, line);
        const auto [it, fresh] = seen.emplace(kv.key, line.number);
        if (!fresh)
            fail(placeOf(file, line, 0), QStringLiteral("%1 is already given on line %2").arg(kv.key).arg(it->second));
        const Place valueAt = placeOf(file, line, kv.valueStart);
        if (kv.key == SourceLayout::EditionKey) {
            static const QRegularExpression number(QStringLiteral("^-?[0-9]+$"));
            const QString value = line.text.mid(kv.valueStart).trimmed();
            bool ok = false;
            manifest.edition = value.toInt(&ok);
            if (!number.match(value).hasMatch() || !ok)
                fail(valueAt, QStringLiteral("the edition is a whole number"));
            hasEdition = true;
        } else if (kv.key == SourceLayout::TrailingKey) {
            manifest.trailing = readEscaped(file, line, kv.valueStart);
        } else if (std::find(SourceLayout::GuideKeys.begin(), SourceLayout::GuideKeys.end(), kv.key)
                       != SourceLayout::GuideKeys.end()
                   || kv.key == SourceLayout::RefusedKey) {
            manifest.texts[kv.key] = {readEscaped(file, line, kv.valueStart), placeOf(file, line, 0)};
        } else {
            fail(placeOf(file, line, 0), QStringLiteral("unknown key %1").arg(kv.key));
        }
    }
    if (!hasEdition)
        throw SourceError(file, 0, 0, QStringLiteral("the edition is missing: write edition = N"));
    return manifest;
}

// A list text: from its manifest key when given there, else from its file.
QByteArray listText(const QString &dir, const Manifest &manifest, const QString &key, const QString &relative)
{
    const QString file = QDir(dir).filePath(relative);
    const auto given = manifest.texts.find(key);
    if (given == manifest.texts.end())
        return compileRows(file, readSourceFile(file));
    if (QFileInfo::exists(file))
        fail(given->second.second, QStringLiteral("%1 is given both here and by %2: keep one").arg(key, relative));
    return given->second.first;
}

std::vector<RawBanner> compileBanners(const QString &dir)
{
    const QString file = QDir(dir).filePath(SourceLayout::Banners);
    std::vector<RawBanner> banners;

    struct Block {
        std::optional<Place> start;
        std::map<QString, int> seen;
        bool hasImage = false;
        RawBanner banner;
    } block;
    auto finish = [&] {
        if (!block.start)
            return;
        if (!block.hasImage)
            fail(*block.start, QStringLiteral("a banner needs image = FILE"));
        banners.push_back(std::move(block.banner));
        block = Block {};
    };

    for (const SourceLine &line : readSourceFile(file)) {
        if (isBlank(line.text)) {
            finish();
            continue;
        }
        if (line.text.startsWith(u'#'))
            continue;
        const KeyValue kv = parseKeyValue(file, line);
        if (!block.start)
            block.start = placeOf(file, line, 0);
        const auto [it, fresh] = block.seen.emplace(kv.key, line.number);
        if (!fresh)
            fail(placeOf(file, line, 0), QStringLiteral("%1 is already given on line %2").arg(kv.key).arg(it->second));
        if (kv.key == u"image") {
            const QString name = line.text.mid(kv.valueStart).trimmed();
            const Place at = placeOf(file, line, kv.valueStart);
            const QString path = QDir(dir).filePath(name);
            QFile image(path);
            if (name.isEmpty() || !QFileInfo(path).isFile())
                fail(at, QStringLiteral("banner image %1 is missing").arg(name));
            if (!image.open(QIODevice::ReadOnly))
                fail(at, QStringLiteral("cannot read banner image %1: %2").arg(name, image.errorString()));
            if (image.size() > MaxWordBaseSize)
                fail(at, QStringLiteral("banner image %1 is %2").arg(name, tooLargeForAWordBase()));
            block.banner.image = image.readAll();
            const QString error = gifError(block.banner.image);
            if (!error.isEmpty())
                fail(at, QStringLiteral("banner image %1 is not a GIF image: %2").arg(name, error));
            block.hasImage = true;
        } else if (kv.key == u"hint") {
            block.banner.hint = readEscaped(file, line, kv.valueStart);
        } else if (kv.key == u"link") {
            block.banner.link = readEscaped(file, line, kv.valueStart);
        } else {
            fail(placeOf(file, line, 0),
                 QStringLiteral("unknown key %1: a banner has image, hint and link").arg(kv.key));
        }
    }
    finish();
    return banners;
}

} // namespace

QByteArray compileRows(const QString &file, const SourceLines &lines)
{
    QByteArray out;
    for (const SourceLine &line : lines) {
        out += readLiteral(file, line);
        out += "\r\n";
    }
    return out;
}

std::vector<QByteArray> compileAnecdotes(const QString &file, const SourceLines &lines)
{
    std::vector<QByteArray> anecdotes;
    SourceLines entry;
    auto finish = [&] {
        while (!entry.isEmpty() && isBlank(entry.front().text))
            entry.removeFirst();
        while (!entry.isEmpty() && isBlank(entry.back().text))
            entry.removeLast();
        if (entry.isEmpty())
            return;
        const SourceLine &first = entry.front();
        if (first.text.startsWith(QStringLiteral("%="))) {
            if (entry.size() > 1)
                fail(placeOf(file, entry.at(1), 0),
                     QStringLiteral("an anecdote written with %= is one line; end it with a line holding only %"));
            if (first.text.size() > 2 && first.text.at(2) != u' ')
                fail(placeOf(file, first, 2), QStringLiteral("expected a space after %="));
            anecdotes.push_back(readEscaped(file, first, std::min<qsizetype>(3, first.text.size())));
        } else {
            QByteArray text;
            for (qsizetype i = 0; i < entry.size(); ++i) {
                if (i > 0)
                    text += "\r\n";
                text += readLiteral(file, entry.at(i));
            }
            anecdotes.push_back(text);
        }
        entry.clear();
    };
    for (const SourceLine &line : lines) {
        if (line.text == u"%")
            finish();
        else
            entry.append(line);
    }
    finish();
    return anecdotes;
}

RawWordBase compileSource(const QString &dir)
{
    if (!QFileInfo(dir).isDir())
        throw SourceError(dir, 0, 0, QStringLiteral("not a folder"));
    const Manifest manifest = readManifest(dir);
    RawWordBase base;
    base.edition = manifest.edition;
    base.dictionary = compileWords(dir);
    for (size_t g = 0; g < base.guides.size(); ++g)
        base.guides[g] = listText(dir, manifest, SourceLayout::GuideKeys[g], SourceLayout::GuideFiles[g]);
    const QString anecdotes = QDir(dir).filePath(SourceLayout::Anecdotes);
    base.anecdotes = compileAnecdotes(anecdotes, readSourceFile(anecdotes));
    base.banners = compileBanners(dir);
    base.refused = listText(dir, manifest, SourceLayout::RefusedKey, SourceLayout::Refused);
    base.trailing = manifest.trailing;
    return base;
}

QByteArray buildWordBase(const QString &dir, const QString &outFile)
{
    const QByteArray payload = assemblePayload(compileSource(dir));
    // The builder's own output must load; a failure here is a fault of the builder.
    if (payload.size() + 8 > MaxWordBaseSize)
        throw SourceError(dir, 0, 0, QStringLiteral("the compiled word base is %1").arg(tooLargeForAWordBase()));
    WordBaseFields fields;
    try {
        readPayload(payload, fields);
    } catch (const LoadError &e) {
        throw SourceError(dir, 0, 0, QStringLiteral("the compiled word base does not load: %1").arg(e.message()));
    }

    QSaveFile out(outFile);
    if (!out.open(QIODevice::WriteOnly))
        throw SourceError(outFile, 0, 0, QStringLiteral("cannot write: %1").arg(out.errorString()));
    out.write(container::sealPayload(payload));
    if (!out.commit())
        throw SourceError(outFile, 0, 0, QStringLiteral("cannot write: %1").arg(out.errorString()));
    return payload;
}
