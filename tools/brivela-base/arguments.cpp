#include "arguments.h"

#include "command.h"

std::optional<Arguments> parseArguments(const QStringList &args, const QString &usage, int positional, bool withOutput)
{
    QCommandLineParser parser;
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")}, QString(), QStringLiteral("PATH"));
    if (withOutput)
        parser.addOption(output);
    auto fail = [&](const QString &why) {
        printErr(QStringLiteral("brivela-base: %1\n%2\n").arg(why, usage));
        return std::nullopt;
    };
    if (!parser.parse(QStringList {QStringLiteral("brivela-base")} + args))
        return fail(parser.errorText());
    Arguments result {parser.positionalArguments(), withOutput ? parser.value(output) : QString()};
    if (result.positional.size() != positional)
        return fail(QStringLiteral("expected %1 argument(s), got %2").arg(positional).arg(result.positional.size()));
    if (withOutput && result.output.isEmpty())
        return fail(QStringLiteral("-o is missing"));
    return result;
}
