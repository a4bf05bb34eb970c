#include "arguments.h"
#include "command.h"
#include "inspect.h"
#include "searchorder.h"

#include "dict/loaderror.h"
#include "text/ansi.h"
#include "text/cp1251.h"
#include "wordbase/wordbase.h"

int runShow(const QStringList &args)
{
    const auto parsed = parseArguments(args, QStringLiteral("Usage: brivela-base show FILE TEXT"), 2);
    if (!parsed)
        return ExitUsage;
    const QString typed = parsed->positional.at(1);
    if (typed.isEmpty()) {
        printErr(QStringLiteral("brivela-base: TEXT is empty\nUsage: brivela-base show FILE TEXT\n"));
        return ExitUsage;
    }
    qsizetype bad = -1;
    const QByteArray text = toCp1251(typed, &bad);
    if (bad >= 0) {
        printErr(QStringLiteral("%1: the character \u00AB%2\u00BB cannot be written in Windows-1251\n")
                     .arg(typed, typed.mid(bad, typed.at(bad).isHighSurrogate() ? 2 : 1)));
        return ExitBadInput;
    }

    WordBaseFields fields;
    try {
        readWordBase(parsed->positional.at(0), fields);
    } catch (const LoadError &e) {
        printErr(e.message() + u'\n');
        return ExitBadInput;
    }
    const TDictWord *word = searchHeadword(fields.FDictionary, text);
    if (!word) {
        const char letter = char(TDictionary::LetterOf(AnsiUpperCase(AnsiLowerCase(text))));
        printErr(
            QStringLiteral("%1: no letter tab %2 in this word base\n")
                .arg(typed, letter ? fromCp1251(QByteArrayView(&letter, 1)) : QStringLiteral("of empty captions")));
        return ExitBadInput;
    }
    printOut(headwordAsText(fields.FDictionary, *word));
    return ExitOk;
}
