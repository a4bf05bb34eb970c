#include "command.h"

#include "dict/loaderror.h"
#include "wordbase/wordbase.h"

int runCheck(const QStringList &args)
{
    if (args.size() != 1) {
        printErr(QStringLiteral("Usage: brivela-base check FILE\n"));
        return ExitUsage;
    }
    WordBaseFields fields;
    try {
        readWordBase(args.at(0), fields);
    } catch (const LoadError &e) {
        printErr(e.message() + QLatin1Char('\n'));
        return ExitBadInput;
    }
    printOut(loadSummary(fields) + QLatin1Char('\n'));
    return ExitOk;
}
