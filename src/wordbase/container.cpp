#include "wordbase/container.h"

#include "crypt/gost.h"
#include "dict/loaderror.h"

#include <QString>

#include <vector>

namespace {

uint32_t loadLE(const char *p)
{
    const auto *u = reinterpret_cast<const uchar *>(p);
    return uint32_t(u[0]) | uint32_t(u[1]) << 8 | uint32_t(u[2]) << 16 | uint32_t(u[3]) << 24;
}

void storeLE(char *p, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = char((v >> (8 * i)) & 0xff);
}

// The payload bytes as whole blocks of words, the last block filled with zeros.
std::vector<uint32_t> toBlocks(const char *bytes, qsizetype size)
{
    const qsizetype blocks = (size + 7) / 8;
    QByteArray padded(blocks * 8, '\0');
    memcpy(padded.data(), bytes, size_t(size));
    std::vector<uint32_t> words(size_t(blocks * 2));
    for (size_t i = 0; i < words.size(); ++i)
        words[i] = loadLE(padded.constData() + 4 * i);
    return words;
}

QByteArray fromBlocks(const std::vector<uint32_t> &words, qsizetype size)
{
    QByteArray out(qsizetype(words.size() * 4), '\0');
    for (size_t i = 0; i < words.size(); ++i)
        storeLE(out.data() + 4 * i, words[i]);
    out.truncate(size);
    return out;
}

const QString damaged() { return QStringLiteral("Файл brivela.dat поврежден"); }

} // namespace

QByteArray container::openPayload(const QByteArray &file)
{
    ExpandSBoxes();
    char header[8] = {};
    memcpy(header, file.constData(), size_t(std::min<qsizetype>(8, file.size())));
    const qsizetype payloadSize = std::max<qsizetype>(0, file.size() - 8);

    std::vector<uint32_t> words = toBlocks(file.constData() + std::min<qsizetype>(8, file.size()), payloadSize);
    const auto blocks = int32_t(words.size() / 2);
    uint32_t synchro[2] = {InitialSynchro[0], InitialSynchro[1]};
    GostGammaDecrypt(words.data(), blocks, synchro);
    // Bytes past the end of the file now hold gamma: the MAC counts them as zeros.
    QByteArray payload = fromBlocks(words, payloadSize);
    words = toBlocks(payload.constData(), payload.size());

    uint32_t mac[2];
    GostMac(words.data(), blocks, mac);
    if (loadLE(header) != mac[0] || loadLE(header + 4) != mac[1])
        throw LoadError(damaged());
    return payload;
}

QByteArray container::sealPayload(const QByteArray &payload)
{
    ExpandSBoxes();
    std::vector<uint32_t> words = toBlocks(payload.constData(), payload.size());
    const auto blocks = int32_t(words.size() / 2);
    uint32_t mac[2];
    GostMac(words.data(), blocks, mac);
    uint32_t synchro[2] = {InitialSynchro[0], InitialSynchro[1]};
    GostGammaDecrypt(words.data(), blocks, synchro);

    QByteArray file(8, '\0');
    storeLE(file.data(), mac[0]);
    storeLE(file.data() + 4, mac[1]);
    file += fromBlocks(words, payload.size());
    return file;
}
