#include "discovery/BinaryPlistKeyCheck.h"

namespace {

quint64 readBigEndian(const uchar* bytes, int size)
{
    quint64 value = 0;
    for (int i = 0; i < size; ++i)
        value = (value << 8) | bytes[i];
    return value;
}

class KeyCheck {
public:
    explicit KeyCheck(const QByteArray& data)
        : m_bytes(reinterpret_cast<const uchar*>(data.constData()))
        , m_size(quint64(data.size()))
    {
    }

    bool keysAreSafe()
    {
        constexpr quint64 headerSize = 8;
        constexpr quint64 trailerSize = 32;
        if (m_size < headerSize + trailerSize)
            return false;
        const uchar* trailer = m_bytes + m_size - trailerSize;
        m_offsetSize = trailer[6];
        m_refSize = trailer[7];
        m_objectCount = readBigEndian(trailer + 8, 8);
        m_tableOffset = readBigEndian(trailer + 24, 8);
        m_dataEnd = m_size - trailerSize;
        if (m_offsetSize < 1 || m_offsetSize > 8 || m_refSize < 1 || m_refSize > 8 ||
            m_objectCount > m_dataEnd || m_tableOffset > m_dataEnd ||
            m_objectCount * m_offsetSize > m_dataEnd - m_tableOffset)
            return false;
        for (quint64 object = 0; object < m_objectCount; ++object) {
            quint64 offset = 0;
            if (!objectOffset(object, offset))
                return false;
            if ((m_bytes[offset] >> 4) == 0xD && !dictionaryKeysAreSafe(offset))
                return false;
        }
        return true;
    }

private:
    bool objectOffset(quint64 object, quint64& offset) const
    {
        offset = readBigEndian(m_bytes + m_tableOffset + object * m_offsetSize, m_offsetSize);
        return offset < m_dataEnd;
    }

    // The element count after a marker, with its extended form; `position` moves past it.
    bool count(quint64 markerOffset, quint64& position, quint64& value) const
    {
        position = markerOffset + 1;
        value = m_bytes[markerOffset] & 0x0F;
        if (value != 0x0F)
            return true;
        if (position >= m_dataEnd || (m_bytes[position] >> 4) != 0x1)
            return false;
        const int size = 1 << (m_bytes[position] & 0x0F);
        if (size > 8 || position + 1 + quint64(size) > m_dataEnd)
            return false;
        value = readBigEndian(m_bytes + position + 1, size);
        position += 1 + quint64(size);
        return true;
    }

    bool dictionaryKeysAreSafe(quint64 offset) const
    {
        quint64 position = 0;
        quint64 entries = 0;
        if (!count(offset, position, entries) || entries > m_dataEnd ||
            position + entries * m_refSize > m_dataEnd)
            return false;
        for (quint64 i = 0; i < entries; ++i) {
            const quint64 key = readBigEndian(m_bytes + position + i * m_refSize, m_refSize);
            quint64 keyOffset = 0;
            if (key >= m_objectCount || !objectOffset(key, keyOffset) || stringHoldsNul(keyOffset))
                return false;
        }
        return true;
    }

    bool stringHoldsNul(quint64 offset) const
    {
        const int type = m_bytes[offset] >> 4;
        if (type != 0x5 && type != 0x6)
            return false;
        quint64 position = 0;
        quint64 characters = 0;
        if (!count(offset, position, characters) || characters > m_dataEnd)
            return true;
        const quint64 unit = type == 0x5 ? 1 : 2;
        if (position + characters * unit > m_dataEnd)
            return true;
        for (quint64 i = 0; i < characters; ++i) {
            const uchar* character = m_bytes + position + i * unit;
            if (character[0] == 0 && (unit == 1 || character[1] == 0))
                return true;
        }
        return false;
    }

    const uchar* m_bytes;
    quint64 m_size;
    quint64 m_dataEnd = 0;
    int m_offsetSize = 0;
    int m_refSize = 0;
    quint64 m_objectCount = 0;
    quint64 m_tableOffset = 0;
};

} // namespace

namespace BinaryPlistKeyCheck {

bool keysAreSafe(const QByteArray& data)
{
    return KeyCheck(data).keysAreSafe();
}

} // namespace BinaryPlistKeyCheck
