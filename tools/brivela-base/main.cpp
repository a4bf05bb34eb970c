// brivela-base: reads, checks and authors Brivela word bases.
#include "command.h"

#include <QCoreApplication>

namespace {

const Command kCommands[] = {
    {"build", "compile a source folder into a word base",
     "Usage: brivela-base build SRC -o FILE\n\n"
     "Compiles the source folder SRC (see docs/wordbase-source.md) into the word\n"
     "base FILE and prints its summary. FILE is replaced only when the whole build\n"
     "succeeds. A fault in the sources is reported as FILE:LINE:COLUMN: message.\n"
     "Exits 0 on success, 1 on a fault in the sources, 2 on a usage error.\n",
     runBuild},
    {"unpack", "write the source folder of a word base",
     "Usage: brivela-base unpack FILE -o SRC\n\n"
     "Writes the source folder of the word base FILE into SRC, which must not exist\n"
     "or must be empty. Building SRC gives FILE back byte for byte. Exits 0 on\n"
     "success, 1 when FILE does not load or SRC cannot be written, 2 on a usage error.\n",
     runUnpack},
    {"check", "load a word base as the program does and print its summary",
     "Usage: brivela-base check FILE\n\n"
     "Loads FILE exactly as Brivela does. On success prints the summary line\n"
     "(edition, words, anecdotes) and exits 0; on standard error it warns, one\n"
     "line each, about headwords out of the order the search box assumes, links\n"
     "to word ids that no headword has and descriptions that no headword uses.\n"
     "When FILE does not load, prints the load error and exits 1.\n",
     runCheck},
    {"show", "look a text up as the search box does and print the headword",
     "Usage: brivela-base show FILE TEXT\n\n"
     "Looks TEXT up in FILE the way the search box does and prints the headword it\n"
     "selects as plain UTF-8 text: the caption with its stress as an accent, the\n"
     "description (links as [text], indents as spaces) and its synonyms. Exits 1\n"
     "when FILE does not load or no letter tab of the word base matches TEXT.\n",
     runShow},
    {"dump", "print a whole word base as JSON",
     "Usage: brivela-base dump FILE\n\n"
     "Loads FILE and prints the whole word base as one UTF-8 JSON document.\n"
     "Exits 0 on success, 1 when FILE does not load.\n",
     runDump},
};

QString toolHelp()
{
    QString text = QStringLiteral("Usage: brivela-base COMMAND [ARGS...]\n\nCommands:\n");
    for (const Command &c : kCommands)
        text += QStringLiteral("  %1  %2\n")
                    .arg(QString::fromLatin1(c.name).leftJustified(8), QString::fromUtf8(c.summary));
    text += QStringLiteral("\nRun 'brivela-base COMMAND --help' for a command's usage.\n"
                           "Exit codes: 0 success, 1 bad input, 2 usage error.\n");
    return text;
}

bool isHelp(const QString &arg) { return arg == QLatin1String("--help") || arg == QLatin1String("-h"); }

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        printErr(toolHelp());
        return ExitUsage;
    }
    const QString name = args.takeFirst();
    if (isHelp(name) || name == QLatin1String("help")) {
        printOut(toolHelp());
        return ExitOk;
    }
    for (const Command &c : kCommands) {
        if (name != QLatin1String(c.name))
            continue;
        if (std::any_of(args.cbegin(), args.cend(), isHelp)) {
            printOut(QString::fromUtf8(c.help));
            return ExitOk;
        }
        try {
            return c.run(args);
        } catch (const std::exception &e) {
            printErr(QStringLiteral("brivela-base: internal error: %1\n").arg(QString::fromUtf8(e.what())));
            return ExitBadInput;
        }
    }
    printErr(QStringLiteral("brivela-base: unknown command '%1'\n\n").arg(name) + toolHelp());
    return ExitUsage;
}
