#include "crypt/gost.h"

namespace {

// Four byte tables: each folds two 4-bit substitutions into one lookup.
uint8_t T[4][256];

inline uint32_t rotl11(uint32_t x) { return (x << 11) | (x >> 21); }

} // namespace

void ExpandSBoxes()
{
    for (int k = 0; k < 4; ++k)
        for (int b = 0; b < 256; ++b)
            T[k][b] = uint8_t(gost::SBox[2 * k + 1][b >> 4] * 16 + gost::SBox[2 * k][b & 15]);
}

void GostRound(uint32_t block[2], uint32_t keyWord)
{
    const uint32_t s = block[0] + keyWord;
    const uint32_t sub = uint32_t(T[0][s & 0xff]) | uint32_t(T[1][(s >> 8) & 0xff]) << 8
                         | uint32_t(T[2][(s >> 16) & 0xff]) << 16 | uint32_t(T[3][s >> 24]) << 24;
    const uint32_t n1 = rotl11(sub) ^ block[1];
    block[1] = block[0];
    block[0] = n1;
}

void GostEncryptBlock(uint32_t block[2])
{
    for (int pass = 0; pass < 3; ++pass)
        for (int i = 0; i < 8; ++i)
            GostRound(block, gost::CipherKey[i]);
    for (int i = 7; i >= 0; --i)
        GostRound(block, gost::CipherKey[i]);
    const uint32_t t = block[0];
    block[0] = block[1];
    block[1] = t;
}

void GostMacRounds(uint32_t block[2])
{
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < 8; ++i)
            GostRound(block, gost::CipherKey[i]);
}

void GostGammaDecrypt(uint32_t *data, int32_t n, uint32_t synchro[2])
{
    GostEncryptBlock(synchro);
    for (int32_t i = 0; i < n; ++i) {
        gost::stepCounter(synchro);
        uint32_t gamma[2] = {synchro[0], synchro[1]};
        GostEncryptBlock(gamma);
        data[2 * i] ^= gamma[0];
        data[2 * i + 1] ^= gamma[1];
    }
}

void GostMac(const uint32_t *data, int32_t n, uint32_t mac[2])
{
    mac[0] = 0;
    mac[1] = 0;
    for (int32_t i = 0; i < n; ++i) {
        mac[0] ^= data[2 * i];
        mac[1] ^= data[2 * i + 1];
        GostMacRounds(mac);
    }
}

void gost::stepCounter(uint32_t synchro[2])
{
    synchro[0] += 0x01010101u;
    const uint32_t before = synchro[1];
    synchro[1] += 0x01010104u;
    if (synchro[1] < before) // carried out of 32 bits: addition modulo 2^32 - 1
        synchro[1] += 1;
}

const uint8_t *gost::byteTable(int k) { return T[k]; }
