#include "arguments.h"
#include "command.h"
#include "compiler.h"

#include "wordbase/wordbase.h"

int runBuild(const QStringList &args)
{
    const auto parsed = parseArguments(args, QStringLiteral("Usage: brivela-base build SRC -o FILE"), 1, true);
    if (!parsed)
        return ExitUsage;
    try {
        const QByteArray payload = buildWordBase(parsed->positional.at(0), parsed->output);
        WordBaseFields fields;
        readPayload(payload, fields);
        printOut(QStringLiteral("%1: %2\n").arg(parsed->output, loadSummary(fields)));
    } catch (const SourceError &e) {
        printErr(e.text() + u'\n');
        return ExitBadInput;
    }
    return ExitOk;
}
