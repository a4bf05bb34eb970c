// Fuzz target: the source-folder compiler of `brivela-base build`. One input
// is a whole source folder packed as text: each file starts on a line
// "### FILE <path>" and runs to the next such line (its last line break
// belongs to the marker). The files are written to a fresh folder and compiled;
// whatever compiles must then load, as build demands of its own output.
#include "compiler.h"
#include "dict/loaderror.h"
#include "fuzzinit.h"
#include "rawwordbase.h"
#include "sourceerror.h"
#include "wordbase/wordbase.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdio>

namespace {

const QByteArray kMarker = "### FILE ";

// A path the packed folder may hold: relative, inside the folder, plain names.
bool safePath(const QByteArray &path)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_.-]{1,40}(/[A-Za-z0-9_.-]{1,40})?$"));
    return plain.match(QString::fromLatin1(path)).hasMatch() && !path.contains("..");
}

// Writes the packed files under dir; false when the input is not a packed folder.
bool unpack(const QByteArray &input, const QString &dir)
{
    if (!input.startsWith(kMarker))
        return false;
    const QByteArray separator = "\n" + kMarker;
    int files = 0;
    qsizetype at = 0;
    while (at >= 0 && at < input.size()) {
        const qsizetype nameStart = at + kMarker.size();
        const qsizetype nameEnd = input.indexOf('\n', nameStart);
        if (nameEnd < 0)
            return files > 0;
        const QByteArray name = input.mid(nameStart, nameEnd - nameStart);
        const qsizetype next = input.indexOf(separator, nameEnd);
        const qsizetype end = next < 0 ? input.size() : next;
        const QByteArray content = input.mid(nameEnd + 1, end - nameEnd - 1);
        at = next < 0 ? -1 : next + 1;
        if (!safePath(name) || ++files > 64)
            return false;
        if (name.contains('/'))
            QDir(dir).mkpath(QString::fromLatin1(name).section(QLatin1Char('/'), 0, -2));
        QFile f(QDir(dir).filePath(QString::fromLatin1(name)));
        if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
            return false;
    }
    return files > 0;
}

// Under /dev/shm when there is one: the files are written and read for every input.
QString scratchRoot()
{
    return QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzzing::initQt(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    QTemporaryDir dir(scratchRoot() + QStringLiteral("/brivela-fuzz-source-XXXXXX"));
    if (!dir.isValid() || !unpack(input, dir.path()))
        return 0;
    RawWordBase base;
    try {
        base = compileSource(dir.path());
    } catch (const SourceError &e) {
        if (e.message().isEmpty())
            abort(); // every refusal must say what is wrong
        return 0;
    }
    WordBaseFields fields;
    try {
        readPayload(assemblePayload(base), fields);
    } catch (const LoadError &e) {
        fprintf(stderr, "compiled, but does not load: %s\n", qPrintable(e.message()));
        abort();
    }
    return 0;
}
