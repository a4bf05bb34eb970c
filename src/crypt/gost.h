#pragma once

#include <cstdint>

// GOST 28147-89 block cipher (64-bit block, 256-bit key, 32 rounds) with the
// fixed key and substitution rows of the word base, in the two modes the word
// base needs: gamma (counter) mode and the 16-round MAC. A block is two words,
// N1 then N2; in a byte buffer each word is little-endian.
//
// ExpandSBoxes must run before anything else: it builds the byte tables that
// every other function reads.

void ExpandSBoxes();

// One Feistel round with the given key word.
void GostRound(uint32_t block[2], uint32_t keyWord);

// 32-round encryption of one block in place.
void GostEncryptBlock(uint32_t block[2]);

// 16 rounds (K0..K7 twice) of the MAC transform, without the final swap.
void GostMacRounds(uint32_t block[2]);

// XORs the gamma into n blocks (2n words) and leaves the last counter in the
// synchro. The synchro is encrypted once on every call, even when n <= 0, so a
// buffer must be processed by a single call. Its own inverse.
void GostGammaDecrypt(uint32_t *data, int32_t n, uint32_t synchro[2]);

// The 64-bit MAC of n blocks; the data is not changed. MAC is (0, 0) for n <= 0.
void GostMac(const uint32_t *data, int32_t n, uint32_t mac[2]);

namespace gost {

// The word base key, K0 first.
inline constexpr uint32_t CipherKey[8]
    = {0x5d2e8a41, 0x07f3c96b, 0xe41a5c92, 0x3b98d06f, 0xa6527e1d, 0x19cb04f8, 0x72e6b35a, 0xc80f47d9};

// Substitution rows S0..S7: the test parameter set of GOST R 34.11-94.
inline constexpr uint8_t SBox[8][16] = {
    {4, 10, 9, 2, 13, 8, 0, 14, 6, 11, 1, 12, 7, 15, 5, 3}, {14, 11, 4, 12, 6, 13, 15, 10, 2, 3, 8, 1, 0, 7, 5, 9},
    {5, 8, 1, 13, 10, 3, 4, 2, 14, 15, 12, 7, 6, 0, 9, 11}, {7, 13, 10, 1, 0, 8, 9, 15, 14, 4, 6, 12, 11, 2, 5, 3},
    {6, 12, 7, 1, 5, 15, 13, 8, 4, 10, 9, 14, 0, 3, 11, 2}, {4, 11, 10, 0, 7, 2, 1, 13, 3, 6, 8, 5, 9, 12, 15, 14},
    {13, 11, 4, 1, 3, 15, 5, 9, 0, 10, 14, 7, 6, 8, 2, 12}, {1, 15, 13, 0, 5, 7, 10, 4, 9, 2, 3, 14, 6, 11, 8, 12},
};

// One step of the gamma counter: word 0 += 0x01010101 modulo 2^32, word 1 +=
// 0x01010104 modulo 2^32 - 1 (end-around carry).
void stepCounter(uint32_t synchro[2]);

// The byte table T_k (k = 0..3) built by ExpandSBoxes; exposed for tests.
const uint8_t *byteTable(int k);

} // namespace gost
