#include "command.h"

#include "dict/loaderror.h"
#include "text/cp1251.h"
#include "wordbase/wordbase.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonValue text(const QByteArray &bytes) { return fromCp1251(bytes); }

QJsonArray lines(const StringList &list)
{
    QJsonArray out;
    for (const QByteArray &line : list.lines())
        out.append(text(line));
    return out;
}

QJsonObject element(const TDescriptionElement &e)
{
    if (auto *link = dynamic_cast<const TRefElement *>(&e))
        return {{"type", "link"}, {"word_id", link->WordId()}, {"text", text(link->Text())}};
    if (auto *run = dynamic_cast<const TTextElement *>(&e))
        return {{"type", "text"}, {"text", text(run->Text())}};
    if (dynamic_cast<const TSpaceElement *>(&e))
        return {{"type", "space"}};
    return {{"type", "indent"}};
}

QJsonObject description(const TWordDescription &d)
{
    QJsonArray lineArray;
    for (const auto &line : d.lines()) {
        QJsonArray elements;
        for (const auto &e : line->elements())
            elements.append(element(*e));
        lineArray.append(QJsonObject {{"justify", int(line->Justify())}, {"elements", elements}});
    }
    QJsonArray synonyms;
    for (const auto &s : d.synonyms())
        synonyms.append(QJsonObject {{"word_id", s->WordId()}, {"text", text(s->Text())}});
    return {{"lines", lineArray}, {"synonyms", synonyms}};
}

QJsonObject wordBase(const WordBaseFields &f)
{
    QJsonArray descriptions;
    for (int32_t i = 0; i < f.FDictionary.DescCount(); ++i)
        descriptions.append(description(*f.FDictionary.GetDescription(i)));

    QJsonArray words;
    for (const TDictWord *w : f.FDictionary.wordsById())
        words.append(QJsonObject {{"word_id", w->WordId()},
                                  {"desc_index", w->DescIndex()},
                                  {"caption", text(w->Caption())},
                                  {"letter", int(TDictionary::LetterOf(w->Caption()))}});

    StringList tabList;
    f.FDictionary.FillTabs(tabList);

    QJsonArray anecdotes;
    for (const QByteArray &a : f.FAnecdotes)
        anecdotes.append(text(a));

    QJsonArray banners;
    for (const TBanner &b : f.FBanners)
        banners.append(
            QJsonObject {{"image_size", int(b.Image.size())}, {"hint", text(b.Hint)}, {"link", text(b.Link)}});

    return {{"version", 1},
            {"edition", f.FEdition},
            {"descriptions", descriptions},
            {"words", words},
            {"tabs", lines(tabList)},
            {"smileys", lines(f.FSmileys)},
            {"acronyms", lines(f.FAcronyms)},
            {"users", lines(f.FUsers)},
            {"extensions", lines(f.FExtensions)},
            {"anecdotes", anecdotes},
            {"banners", banners},
            {"refused_words", lines(f.FRefusedWords)}};
}

} // namespace

int runDump(const QStringList &args)
{
    if (args.size() != 1) {
        printErr(QStringLiteral("Usage: brivela-base dump FILE\n"));
        return ExitUsage;
    }
    WordBaseFields fields;
    try {
        readWordBase(args.at(0), fields);
    } catch (const LoadError &e) {
        printErr(e.message() + QLatin1Char('\n'));
        return ExitBadInput;
    }
    printOut(QString::fromUtf8(QJsonDocument(wordBase(fields)).toJson(QJsonDocument::Indented)));
    return ExitOk;
}
