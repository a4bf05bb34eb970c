#pragma once

#include "dict/loaderror.h"

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>

// A read position over a payload held in memory (not owned: the bytes must
// outlive the reader). Every read is bounds-checked:
// reading past the end throws LoadError instead of yielding short data.
class ByteReader
{
public:
    explicit ByteReader(QByteArrayView data) : m_data(data) { }

    qsizetype pos() const { return m_pos; }
    qsizetype remaining() const { return m_data.size() - m_pos; }
    bool atEnd() const { return m_pos >= m_data.size(); }

    uint8_t readByte()
    {
        need(1);
        return uint8_t(m_data[m_pos++]);
    }

    int32_t readInt32()
    {
        need(4);
        const auto *p = reinterpret_cast<const uchar *>(m_data.data() + m_pos);
        m_pos += 4;
        return int32_t(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
    }

    // n bytes as they stand; n is checked against what remains.
    QByteArrayView readBytes(qsizetype n)
    {
        need(n);
        const QByteArrayView v = m_data.sliced(m_pos, n);
        m_pos += n;
        return v;
    }

    // A count or length read from the data: rejected when negative or when
    // `minBytesEach` times it cannot fit in what remains, before anything is
    // allocated for it.
    int32_t readCount(int minBytesEach)
    {
        const int32_t n = readInt32();
        if (n < 0)
            throw LoadError(LoadMessages::negativeLength());
        if (qint64(n) * minBytesEach > remaining())
            throw LoadError(LoadMessages::lengthTooLarge());
        return n;
    }

    // Counted text: an int32 length, then that many bytes; the string ends at
    // the first zero byte among them.
    QByteArray readCountedText()
    {
        const int32_t n = readCount(1);
        QByteArrayView bytes = readBytes(n);
        const qsizetype nul = bytes.indexOf('\0');
        if (nul >= 0)
            bytes = bytes.first(nul);
        return bytes.toByteArray();
    }

    // Steps back over the byte just read (the dictionary grammar rereads the
    // terminator that ended a line).
    void stepBack()
    {
        Q_ASSERT(m_pos > 0);
        --m_pos;
    }

    void skipAll() { m_pos = m_data.size(); }

private:
    void need(qsizetype n) const
    {
        if (n < 0 || n > remaining())
            throw LoadError(LoadMessages::truncated());
    }

    QByteArrayView m_data;
    qsizetype m_pos = 0;
};
