#include "inspect.h"

#include "dict/dictionary.h"
#include "searchorder.h"
#include "sourcetext.h"
#include "text/cp1251.h"

namespace {

constexpr char16_t kCombiningAcute = 0x0301;
const QString kIndent = QStringLiteral("    ");

// Text for the terminal: a control character from a word base could drive the
// terminal, so each shows as \xHH; TAB stays.
QString terminalText(QByteArrayView bytes)
{
    QString out;
    for (const char ch : bytes) {
        const QString c = fromCp1251(QByteArrayView(&ch, 1));
        const char16_t u = c.at(0).unicode();
        if ((u < 0x20 && u != u'\t') || (u >= 0x7F && u < 0xA0))
            out += QStringLiteral("\\x") + QString::number(uchar(ch), 16).toUpper().rightJustified(2, u'0');
        else
            out += c;
    }
    return out;
}

QString letterName(uint8_t letter)
{
    if (letter == 0)
        return QStringLiteral("of empty captions");
    const char byte = char(letter);
    return fromCp1251(QByteArrayView(&byte, 1));
}

// How a warning names a description: its index and the headwords that use it.
QString descriptionName(const TDictionary &dictionary, int32_t index)
{
    QStringList users;
    for (const auto &synonym : dictionary.GetDescription(index)->synonyms())
        users += quoted(synonym->Text());
    if (users.isEmpty())
        return QStringLiteral("description %1").arg(index);
    return QStringLiteral("description %1 (%2)").arg(index).arg(users.join(QStringLiteral(", ")));
}

QString beginning(const TWordDescription &description)
{
    constexpr int kShown = 40;
    QByteArray text;
    for (const auto &line : description.lines()) {
        for (const auto &e : line->elements()) {
            if (auto *run = dynamic_cast<const TTextElement *>(e.get()))
                text += run->Text();
            else
                text += ' ';
        }
        text += ' ';
        if (text.size() > kShown)
            break;
    }
    text = text.simplified();
    return text.size() > kShown ? quoted(text.left(kShown)) + QStringLiteral("...") : quoted(text);
}

} // namespace

QStringList dictionaryWarnings(const TDictionary &dictionary)
{
    QStringList warnings;
    for (int letter = 0; letter < 256; ++letter) {
        const TDictUnit *bucket = dictionary.GetUnit(uint8_t(letter));
        for (int i = 1; bucket && i < bucket->Count(); ++i) {
            const TDictWord *before = bucket->GetWord(i - 1);
            const TDictWord *word = bucket->GetWord(i);
            if (!inSearchOrder(before->Caption(), word->Caption()))
                warnings += QStringLiteral("headword %1 (word id %2) is out of search order under the letter %3: "
                                           "it sorts before %4 (word id %5), which stands above it")
                                .arg(quoted(word->Caption()))
                                .arg(word->WordId())
                                .arg(letterName(uint8_t(letter)), quoted(before->Caption()))
                                .arg(before->WordId());
        }
    }

    for (int32_t d = 0; d < dictionary.DescCount(); ++d) {
        const TWordDescription &description = *dictionary.GetDescription(d);
        const auto &lines = description.lines();
        for (size_t l = 0; l < lines.size(); ++l) {
            for (const auto &e : lines[l]->elements()) {
                const auto *link = dynamic_cast<const TRefElement *>(e.get());
                if (!link || link->WordId() == -1 || (link->WordId() >= 0 && link->WordId() < dictionary.WordCount()))
                    continue;
                warnings += QStringLiteral("%1, line %2: link %3 points to word id %4, which no headword has")
                                .arg(descriptionName(dictionary, d))
                                .arg(l + 1)
                                .arg(quoted(link->Text()))
                                .arg(link->WordId());
            }
        }
        if (description.synonyms().empty())
            warnings += QStringLiteral("description %1 is used by no headword; it begins %2")
                            .arg(d)
                            .arg(beginning(description));
    }
    return warnings;
}

QString captionWithStress(QByteArrayView caption)
{
    QString out;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != '|') {
            out += terminalText(caption.sliced(i, 1));
            continue;
        }
        // As the word list paints it: the byte after '|' is the stressed one, whatever it is.
        if (++i < caption.size())
            out += terminalText(caption.sliced(i, 1)) + QChar(kCombiningAcute);
    }
    return out;
}

QString headwordAsText(const TDictionary &dictionary, const TDictWord &word)
{
    QStringList lines {captionWithStress(word.Caption()), QString()};
    const TWordDescription &description = *dictionary.GetDescription(word.DescIndex());
    for (const auto &line : description.lines()) {
        QString text;
        for (const auto &e : line->elements()) {
            if (auto *link = dynamic_cast<const TRefElement *>(e.get()))
                text += u'[' + terminalText(link->Text()) + u']';
            else if (auto *run = dynamic_cast<const TTextElement *>(e.get()))
                text += terminalText(run->Text());
            else if (dynamic_cast<const TSpaceElement *>(e.get()))
                text += u' ';
            else
                text += kIndent;
        }
        lines += text;
    }
    // The program shows the block only when another headword shares the description.
    if (description.synonyms().size() >= 2) {
        lines += {QString(), QStringLiteral("Синонимы:")};
        for (const auto &synonym : description.synonyms())
            if (synonym->WordId() != word.WordId())
                lines += u'[' + terminalText(synonym->Text()) + u']';
    }
    return lines.join(u'\n') + u'\n';
}
