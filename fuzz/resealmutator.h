#pragma once

// The mutator of the targets that take whole word base files. The key is
// public, so a hostile file passes the MAC: mostly the file is deciphered, its
// payload mutated and sealed again, so that the loader gets past the MAC.

#include "dict/loaderror.h"
#include "wordbase/container.h"

#include <cstring>
#include <random>

#ifdef BRIVELA_LIBFUZZER
extern "C" size_t LLVMFuzzerMutate(uint8_t *data, size_t size, size_t maxSize);

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t *data, size_t size, size_t maxSize, unsigned int seed)
{
    // One mutation in eight goes to the file as it stands, so the MAC check and
    // the short files stay covered.
    std::minstd_rand random(seed);
    if (random() % 8 == 0 || maxSize <= 8)
        return LLVMFuzzerMutate(data, size, maxSize);
    QByteArray payload;
    try {
        payload = container::openPayload(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    } catch (const LoadError &) {
        return LLVMFuzzerMutate(data, size, maxSize);
    }
    const size_t payloadMax = maxSize - 8;
    const auto kept = qsizetype(std::min<size_t>(size_t(payload.size()), payloadMax));
    payload.resize(qsizetype(payloadMax));
    const size_t mutated = LLVMFuzzerMutate(reinterpret_cast<uint8_t *>(payload.data()), size_t(kept), payloadMax);
    const QByteArray file = container::sealPayload(payload.left(qsizetype(mutated)));
    memcpy(data, file.constData(), size_t(file.size()));
    return size_t(file.size());
}
#endif
