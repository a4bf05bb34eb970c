// Fuzz target: brivela-base's readers of word bases on whole files. Whatever
// loads is inspected as check and show do, unpacked into a source folder, and
// built again: the build must give back the very same payload, as unpack
// promises.
#include "compiler.h"
#include "dict/loaderror.h"
#include "fuzzinit.h"
#include "inspect.h"
#include "rawwordbase.h"
#include "resealmutator.h"
#include "sourceerror.h"
#include "unpacker.h"
#include "wordbase/wordbase.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Under /dev/shm when there is one: the folder is written and read for every input.
QString scratchRoot()
{
    return QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
}

[[noreturn]] void fault(const QString &what)
{
    fprintf(stderr, "%s\n", qPrintable(what));
    abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzzing::initQt(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray file(reinterpret_cast<const char *>(data), qsizetype(size));
    WordBaseFields fields;
    try {
        readWordBaseBytes(file, fields);
    } catch (const LoadError &) {
        return 0;
    }
    const TDictionary &dict = fields.FDictionary;
    (void)dictionaryWarnings(dict);
    for (const TDictWord *word : dict.wordsById())
        (void)headwordAsText(dict, *word);

    SourceFiles files;
    try {
        files = unpackWordBase(file);
    } catch (const LoadError &e) {
        fault(QStringLiteral("loads, but does not unpack: ") + e.message());
    }
    QTemporaryDir dir(scratchRoot() + QStringLiteral("/brivela-fuzz-unpack-XXXXXX"));
    if (!dir.isValid())
        return 0;
    for (const auto &[relative, content] : files) {
        const QString path = QDir(dir.path()).filePath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
            fault(QStringLiteral("cannot write ") + path);
    }
    try {
        if (assemblePayload(compileSource(dir.path())) != container::openPayload(file))
            fault(QStringLiteral("the unpacked folder builds a different word base"));
    } catch (const SourceError &e) {
        fault(QStringLiteral("the unpacked folder does not build: ") + e.text());
    }
    return 0;
}
