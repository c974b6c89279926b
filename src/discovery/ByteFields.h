#pragma once

#include <QByteArrayView>

// Integer fields of a header held in memory, in the header's byte order. A field that does not
// fit in the bytes reads as 0 and sets `failed`, so a reader checks once after a group of fields.
class ByteFields {
public:
    ByteFields(QByteArrayView bytes, bool bigEndian)
        : m_bytes(bytes)
        , m_bigEndian(bigEndian)
    {
    }

    [[nodiscard]] qsizetype size() const { return m_bytes.size(); }
    [[nodiscard]] bool failed() const { return m_failed; }

    quint8 u8(quint64 at) const { return quint8(field(at, 1)); }
    quint16 u16(quint64 at) const { return quint16(field(at, 2)); }
    quint32 u32(quint64 at) const { return quint32(field(at, 4)); }
    quint64 u64(quint64 at) const { return field(at, 8); }
    // A 32-bit or 64-bit field, as the image's class says.
    quint64 word(quint64 at, bool wide) const { return wide ? u64(at) : u32(at); }

private:
    quint64 field(quint64 at, int width) const
    {
        if (at > quint64(m_bytes.size()) || quint64(m_bytes.size()) - at < quint64(width)) {
            m_failed = true;
            return 0;
        }
        quint64 value = 0;
        for (int i = 0; i < width; ++i) {
            const quint64 byte = quint8(m_bytes[qsizetype(at) + i]);
            value |= m_bigEndian ? byte << (8 * (width - 1 - i)) : byte << (8 * i);
        }
        return value;
    }

    QByteArrayView m_bytes;
    bool m_bigEndian = false;
    mutable bool m_failed = false;
};
