// Fuzz target: the payload reader, from the format version to the refused
// words, fed plain payloads so that the MAC does not stop the fuzzer.
#include "dict/loaderror.h"
#include "exercise.h"
#include "fuzzinit.h"
#include "wordbase/wordbase.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzzing::initQt(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray payload = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    WordBaseFields fields;
    try {
        readPayload(payload, fields);
    } catch (const LoadError &e) {
        if (e.message().isEmpty())
            abort(); // every refusal must say what is wrong
        return 0;
    }
    fuzzing::browse(fields);
    return 0;
}
