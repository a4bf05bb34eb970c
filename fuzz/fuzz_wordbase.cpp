// Fuzz target: the whole loader on whole files (decipher, MAC, version and
// every section), then the program's browsing of what loaded.
#include "dict/loaderror.h"
#include "exercise.h"
#include "fuzzinit.h"
#include "resealmutator.h"
#include "wordbase/wordbase.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzzing::initQt(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    WordBaseFields fields;
    try {
        readWordBaseBytes(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), fields);
    } catch (const LoadError &e) {
        if (e.message().isEmpty())
            abort(); // every refusal must say what is wrong
        return 0;
    }
    fuzzing::browse(fields);
    return 0;
}
