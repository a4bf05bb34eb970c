#include "command.h"

#include <cstdio>

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
