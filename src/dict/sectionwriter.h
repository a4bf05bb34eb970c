#pragma once

#include <QByteArray>

class TDictionary;

// The dictionary section bytes of a dictionary: the exact inverse of
// TDictionary::LoadFromStream, so reading and writing a section gives back
// the same bytes.
QByteArray writeDictionarySection(const TDictionary &dictionary);

// Little-endian int32, as every integer of the word base is stored.
void appendInt32(QByteArray &out, int32_t value);
