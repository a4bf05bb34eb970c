// brivela-base: reads, checks and authors Brivela word bases.
#include "command.h"

#include <QCoreApplication>

#include <iterator>

namespace {

const Command kCommands[] = {
    {"check", "load a word base as the program does and print its summary",
     "Usage: brivela-base check FILE\n\n"
     "Loads FILE exactly as Brivela does. On success prints the summary line\n"
     "(edition, words, anecdotes) and exits 0; otherwise prints the load error\n"
     "and exits 1.\n",
     runCheck},
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
        text += QStringLiteral("  %1  %2\n").arg(QString::fromLatin1(c.name).leftJustified(8), QString::fromUtf8(c.summary));
    text += QStringLiteral("\nRun 'brivela-base COMMAND --help' for a command's usage.\n");
    return text;
}

} // namespace

void printOut(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    fwrite(utf8.constData(), 1, size_t(utf8.size()), stdout);
    fflush(stdout);
}

void printErr(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    fwrite(utf8.constData(), 1, size_t(utf8.size()), stderr);
    fflush(stderr);
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        printErr(toolHelp());
        return ExitUsage;
    }
    const QString name = args.takeFirst();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help")) {
        printOut(toolHelp());
        return ExitOk;
    }
    for (const Command &c : kCommands) {
        if (name != QLatin1String(c.name))
            continue;
        if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
            printOut(QString::fromUtf8(c.help));
            return ExitOk;
        }
        return c.run(args);
    }
    printErr(QStringLiteral("brivela-base: unknown command '%1'\n\n").arg(name) + toolHelp());
    return ExitUsage;
}
