#pragma once

#include <QString>
#include <QStringList>

// Exit codes of every command.
enum ExitCode { ExitOk = 0, ExitBadInput = 1, ExitUsage = 2 };

// One command of the tool: its name, a one-line summary, its help text and the
// function that runs it on the arguments after the command name.
struct Command {
    const char *name;
    const char *summary;
    const char *help;
    int (*run)(const QStringList &args);
};

// Writing to the terminal: UTF-8, output on standard output, errors on standard error.
void printOut(const QString &text);
void printErr(const QString &text);

int runBuild(const QStringList &args);
int runCheck(const QStringList &args);
int runDump(const QStringList &args);
int runShow(const QStringList &args);
int runUnpack(const QStringList &args);
