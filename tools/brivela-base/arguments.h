#pragma once

#include <QCommandLineParser>
#include <QStringList>

#include <optional>

// Parses a command's arguments: `positional` names in order, and `-o/--output`
// when `withOutput` is set. Prints the usage line to standard error and returns
// nothing when the arguments do not fit.
struct Arguments {
    QStringList positional;
    QString output;
};
std::optional<Arguments> parseArguments(const QStringList &args, const QString &usage, int positional,
                                        bool withOutput = false);
