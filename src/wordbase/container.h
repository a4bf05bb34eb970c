#pragma once

#include <QByteArray>

#include <cstdint>

// The word base file: the 64-bit MAC of the plain payload in clear (word 0,
// word 1, little-endian), then the payload enciphered in gamma mode. The last
// block may be partial: only the payload's own bytes are stored.

namespace container {

// The gamma's starting counter, word 0 first.
inline constexpr uint32_t InitialSynchro[2] = {0x2a9f51c6, 0x4e07b3d8};

// Deciphers a whole file and checks its MAC. Returns the plain payload, or
// throws LoadError with the damaged-file message when the MAC does not match.
QByteArray openPayload(const QByteArray &file);

// The file for a plain payload: the inverse of openPayload.
QByteArray sealPayload(const QByteArray &payload);

} // namespace container
