#include "arguments.h"
#include "command.h"
#include "unpacker.h"

#include "dict/loaderror.h"
#include "sourceerror.h"

#include <QFile>

namespace {
// As the loader: a word base is a few megabytes at most.
constexpr qint64 kMaxFileSize = 256LL * 1024 * 1024;
} // namespace

int runUnpack(const QStringList &args)
{
    const auto parsed = parseArguments(args, QStringLiteral("Usage: brivela-base unpack FILE -o SRC"), 1, true);
    if (!parsed)
        return ExitUsage;
    const QString path = parsed->positional.at(0);
    try {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw LoadError(QStringLiteral("Cannot open file %1").arg(path));
        if (file.size() > kMaxFileSize)
            throw LoadError(QStringLiteral("%1 is too large to be a word base").arg(path));
        unpackToFolder(file.readAll(), parsed->output);
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
