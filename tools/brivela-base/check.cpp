#include "arguments.h"
#include "command.h"
#include "inspect.h"

#include "dict/loaderror.h"
#include "wordbase/wordbase.h"

int runCheck(const QStringList &args)
{
    const auto parsed = parseArguments(args, QStringLiteral("Usage: brivela-base check FILE"), 1);
    if (!parsed)
        return ExitUsage;
    WordBaseFields fields;
    try {
        readWordBase(parsed->positional.at(0), fields);
    } catch (const LoadError &e) {
        printErr(e.message() + u'\n');
        return ExitBadInput;
    }
    printOut(loadSummary(fields) + u'\n');
    for (const QString &warning : dictionaryWarnings(fields.FDictionary))
        printErr(QStringLiteral("warning: ") + warning + u'\n');
    return ExitOk;
}
