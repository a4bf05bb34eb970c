#include "arguments.h"
#include "command.h"
#include "unpacker.h"

#include "dict/loaderror.h"
#include "sourceerror.h"
#include "wordbase/wordbase.h"

int runUnpack(const QStringList &args)
{
    const auto parsed = parseArguments(args, QStringLiteral("Usage: brivela-base unpack FILE -o SRC"), 1, true);
    if (!parsed)
        return ExitUsage;
    const QString path = parsed->positional.at(0);
    try {
        unpackToFolder(readWordBaseFile(path), parsed->output);
        printOut(QStringLiteral("%1: unpacked into %2\n").arg(path, parsed->output));
    } catch (const LoadError &e) {
        printErr(QStringLiteral("%1: %2\n").arg(path, e.message()));
        return ExitBadInput;
    } catch (const SourceError &e) {
        printErr(e.text() + u'\n');
        return ExitBadInput;
    }
    return ExitOk;
}
