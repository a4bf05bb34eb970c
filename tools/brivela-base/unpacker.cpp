#include "unpacker.h"

#include "compiler.h"
#include "searchorder.h"
#include "sourcelayout.h"
#include "text/cp1251.h"
#include "wordbase/container.h"
#include "wordbase/wordbase.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <optional>
#include <set>

namespace {

// More runs of cards than this go into one file rather than a file per run.
constexpr int kMaxCardFiles = 99;

QString sourceValue(QByteArrayView bytes) { return protectEdgeBlanks(escapeBytes(bytes)); }

// A key = value line; an empty value leaves no trailing space.
QString keyValue(const QString &key, QByteArrayView value)
{
    return value.isEmpty() ? key + QStringLiteral(" =") : key + QStringLiteral(" = ") + sourceValue(value);
}

// Rows separated by CR LF, or nothing when the text is not such rows.
QStringList crlfRows(QByteArrayView bytes)
{
    QStringList rows;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf("\r\n", start);
        if (end < 0)
            end = bytes.size();
        rows.append(fromCp1251(bytes.sliced(start, end - start)));
        start = end + 2;
    }
    return rows;
}

// The file of a guide or of the refused words when the plain form gives back
// exactly these bytes and shows every one of them.
std::optional<QByteArray> plainRowsFile(const QByteArray &bytes)
{
    if (!bytes.isEmpty() && !bytes.endsWith("\r\n"))
        return std::nullopt;
    if (hasHiddenBytes(QByteArray(bytes).replace("\r\n", "")))
        return std::nullopt;
    const QByteArray content = joinSourceLines(crlfRows(bytes));
    try {
        if (compileRows(QString(), splitSourceLines(content, QString())) == bytes)
            return content;
    } catch (const SourceError &) {
    }
    return std::nullopt;
}

// An anecdote as plain lines when they read back as these bytes and show every
// one of them, else as one %= line with escapes.
QStringList anecdoteLines(const QByteArray &bytes)
{
    const QStringList plain = crlfRows(bytes);
    if (!hasHiddenBytes(QByteArray(bytes).replace("\r\n", ""))) {
        try {
            const auto back = compileAnecdotes(QString(), splitSourceLines(joinSourceLines(plain), QString()));
            if (back.size() == 1 && back.front() == bytes)
                return plain;
        } catch (const SourceError &) {
        }
    }
    return {bytes.isEmpty() ? QStringLiteral("%=") : QStringLiteral("%= ") + sourceValue(bytes)};
}

// File name part of a letter bucket.
QString bucketName(uint8_t letter)
{
    static const char *const cyrillic[32]
        = {"a", "b", "v", "g", "d", "e", "zh", "z",  "i",  "j",   "k",    "l", "m",    "n",  "o",  "p",
           "r", "s", "t", "u", "f", "h", "c",  "ch", "sh", "sch", "hard", "y", "soft", "eh", "ju", "ja"};
    if (letter >= 0xC0)
        return QString::fromLatin1(cyrillic[letter - 0xC0]);
    return letter == 0 ? QStringLiteral("empty") : QStringLiteral("other");
}

class CardWriter
{
public:
    explicit CardWriter(const TDictionary &dictionary) : m_dictionary(dictionary), m_words(dictionary.wordsById())
    {
        m_byDescription.resize(size_t(dictionary.DescCount()));
        for (const TDictWord *w : m_words) {
            m_byDescription[size_t(w->DescIndex())].push_back(w);
            m_idsByKey[searchKey(w->Caption())].push_back(w->WordId());
        }
        m_explicitIds = needsExplicitIds();
    }

    void write(SourceFiles &files) const
    {
        struct Run {
            uint8_t letter;
            QStringList lines;
        };
        std::vector<Run> runs;
        for (int32_t d = 0; d < m_dictionary.DescCount(); ++d) {
            const auto &words = m_byDescription[size_t(d)];
            const bool sameRun
                = !runs.empty()
                  && (words.empty() || TDictionary::LetterOf(words.front()->Caption()) == runs.back().letter);
            if (!sameRun)
                runs.push_back({words.empty() ? uint8_t('@') : TDictionary::LetterOf(words.front()->Caption()), {}});
            QStringList &lines = runs.back().lines;
            if (!lines.isEmpty())
                lines.append(QString());
            card(*m_dictionary.GetDescription(d), words, lines);
        }
        if (runs.size() > size_t(kMaxCardFiles)) {
            QStringList all;
            for (const Run &run : runs) {
                if (!all.isEmpty())
                    all.append(QString());
                all += run.lines;
            }
            files[SourceLayout::Words + QStringLiteral("/words.txt")] = joinSourceLines(all);
            return;
        }
        for (size_t i = 0; i < runs.size(); ++i) {
            const QString name = QStringLiteral("%1/%2-%3.txt")
                                     .arg(SourceLayout::Words)
                                     .arg(i + 1, 2, 10, QChar(u'0'))
                                     .arg(bucketName(runs[i].letter));
            files[name] = joinSourceLines(runs[i].lines);
        }
    }

private:
    // Word ids are written when the default numbering would give others, or
    // when a card names a headword twice (allowed only with explicit ids).
    bool needsExplicitIds() const
    {
        std::vector<QByteArray> captions;
        std::vector<int32_t> actual;
        for (const auto &words : m_byDescription) {
            std::set<QByteArray> keys;
            for (const TDictWord *w : words) {
                if (!keys.insert(searchKey(w->Caption())).second)
                    return true;
                captions.push_back(w->Caption());
                actual.push_back(w->WordId());
            }
        }
        return defaultWordIds(captions) != actual;
    }

    void card(const TWordDescription &description, const std::vector<const TDictWord *> &words,
              QStringList &lines) const
    {
        if (words.empty())
            lines.append(QStringLiteral("---"));
        for (const TDictWord *w : words)
            lines.append(headwordLine(*w));
        for (const auto &line : description.lines()) {
            const uint8_t flag = line->Justify();
            QString prefix = flag == 1   ? QStringLiteral(">")
                             : flag == 0 ? QStringLiteral(".")
                                         : QStringLiteral("!%1").arg(flag);
            const QString content = lineContent(*line);
            lines.append(content.isEmpty() ? prefix : prefix + u' ' + content);
        }
    }

    QString headwordLine(const TDictWord &w) const
    {
        QString caption = sourceValue(w.Caption());
        // A caption ending in " #N" would read as a word id.
        static const QRegularExpression idLike(QStringLiteral(" #[0-9]+$"));
        const QRegularExpressionMatch m = idLike.match(caption);
        if (m.hasMatch())
            caption.insert(m.capturedStart() + 1, u'\\');
        QString line = QStringLiteral("@ ") + caption;
        if (m_explicitIds)
            line += QStringLiteral(" #%1").arg(w.WordId());
        return caption.isEmpty() && !m_explicitIds ? QStringLiteral("@") : line;
    }

    // The one headword a target key names, if exactly one.
    std::optional<int32_t> uniqueId(const QByteArray &key) const
    {
        const auto it = m_idsByKey.find(key);
        if (it == m_idsByKey.end() || it->second.size() != 1)
            return std::nullopt;
        return it->second.front();
    }

    QString linkText(const TRefElement &link) const
    {
        const int32_t id = link.WordId();
        QString out = u'[' + escapeBytes(link.Text(), "[]") + u']';
        if (uniqueId(searchKey(link.Text())) == id)
            return out;
        if (id >= 0 && size_t(id) < m_words.size()) {
            // The target as the search box compares it: without stress marks, lower-cased.
            const QByteArray key = searchKey(m_words[size_t(id)]->Caption());
            if (uniqueId(key) == id) {
                QString target = escapeBytes(key, "()");
                if (target.startsWith(u'#'))
                    target.prepend(u'\\');
                return out + u'(' + target + u')';
            }
        }
        return out + QStringLiteral("(#%1)").arg(id);
    }

    QString lineContent(const TDescriptionLine &line) const
    {
        QString out;
        bool afterLink = false;
        for (const auto &e : line.elements()) {
            if (auto *link = dynamic_cast<const TRefElement *>(e.get())) {
                out += linkText(*link);
                afterLink = true;
                continue;
            }
            if (auto *run = dynamic_cast<const TTextElement *>(e.get())) {
                QString text = escapeBytes(run->Text(), "[]");
                // Right after a link, '(' would open a link target.
                if (afterLink && text.startsWith(u'('))
                    text.prepend(u'\\');
                out += text;
            } else if (dynamic_cast<const TSpaceElement *>(e.get())) {
                out += u' ';
            } else {
                out += u'\t';
            }
            afterLink = false;
        }
        return protectEdgeBlanks(out, false);
    }

    const TDictionary &m_dictionary;
    std::vector<const TDictWord *> m_words;
    std::vector<std::vector<const TDictWord *>> m_byDescription;
    std::map<QByteArray, std::vector<int32_t>> m_idsByKey;
    bool m_explicitIds = false;
};

[[noreturn]] void failWriting(const QString &path, const QString &why)
{
    throw SourceError(path, 0, 0, QStringLiteral("cannot write: %1").arg(why));
}

void writeFiles(const SourceFiles &files, const QString &dir)
{
    for (const auto &[relative, content] : files) {
        const QString path = QDir(dir).filePath(relative);
        if (!QDir().mkpath(QFileInfo(path).absolutePath()))
            failWriting(path, QStringLiteral("cannot create its folder"));
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(content) != content.size() || !out.flush())
            failWriting(path, out.errorString());
    }
}

} // namespace

SourceFiles unpackWordBase(const QByteArray &file)
{
    const QByteArray payload = container::openPayload(file);
    WordBaseFields loaded;
    readPayload(payload, loaded);
    TDictionary dictionary;
    const RawWordBase raw = splitPayload(payload, dictionary);

    SourceFiles files;
    QStringList manifest {QStringLiteral("edition = %1").arg(raw.edition)};
    auto listText = [&](const QByteArray &bytes, const QString &key, const QString &relative) {
        if (const auto content = plainRowsFile(bytes))
            files[relative] = *content;
        else
            manifest.append(keyValue(key, bytes));
    };
    for (size_t g = 0; g < raw.guides.size(); ++g)
        listText(raw.guides[g], SourceLayout::GuideKeys[g], SourceLayout::GuideFiles[g]);
    listText(raw.refused, SourceLayout::RefusedKey, SourceLayout::Refused);
    if (!raw.trailing.isEmpty())
        manifest.append(keyValue(SourceLayout::TrailingKey, raw.trailing));
    files[SourceLayout::Manifest] = joinSourceLines(manifest);

    QStringList anecdotes;
    for (const QByteArray &a : raw.anecdotes) {
        if (!anecdotes.isEmpty())
            anecdotes.append(QStringLiteral("%"));
        anecdotes += anecdoteLines(a);
    }
    files[SourceLayout::Anecdotes] = joinSourceLines(anecdotes);

    QStringList banners;
    for (size_t i = 0; i < raw.banners.size(); ++i) {
        const RawBanner &b = raw.banners[i];
        const QString image
            = QStringLiteral("%1/banner-%2.gif").arg(SourceLayout::BannerImages).arg(i + 1, 2, 10, QChar(u'0'));
        files[image] = b.image;
        if (!banners.isEmpty())
            banners.append(QString());
        banners += {QStringLiteral("image = ") + image, keyValue(QStringLiteral("hint"), b.hint),
                    keyValue(QStringLiteral("link"), b.link)};
    }
    files[SourceLayout::Banners] = joinSourceLines(banners);

    CardWriter(dictionary).write(files);
    return files;
}

void unpackToFolder(const QByteArray &file, const QString &dir)
{
    const SourceFiles files = unpackWordBase(file);

    const QFileInfo target(dir);
    if (target.exists()
        && !(target.isDir() && QDir(dir).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)))
        throw SourceError(dir, 0, 0, QStringLiteral("already exists and is not an empty folder"));
    const QString parent = target.absolutePath();
    if (!QDir().mkpath(parent))
        failWriting(dir, QStringLiteral("cannot create %1").arg(parent));
    QTemporaryDir staging(QDir(parent).filePath(QStringLiteral(".brivela-unpack-XXXXXX")));
    if (!staging.isValid())
        failWriting(dir, staging.errorString());
    writeFiles(files, staging.path());

    // The promise of unpack: building the folder gives the same payload.
    QByteArray rebuilt;
    try {
        rebuilt = assemblePayload(compileSource(staging.path()));
    } catch (const SourceError &e) {
        throw SourceError(dir, 0, 0,
                          QStringLiteral("internal error: the unpacked folder does not build: %1").arg(e.text()));
    }
    if (rebuilt != container::openPayload(file))
        throw SourceError(dir, 0, 0,
                          QStringLiteral("internal error: the unpacked folder builds a different word base"));

    if (target.exists() && !QDir().rmdir(dir))
        failWriting(dir, QStringLiteral("cannot replace the empty folder"));
    if (!QDir().rename(staging.path(), dir))
        failWriting(dir, QStringLiteral("cannot move %1 into place").arg(staging.path()));
    staging.setAutoRemove(false);
}
