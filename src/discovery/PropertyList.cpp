#include "discovery/PropertyList.h"

#include <QDateTime>
#include <QFile>

#include <plist/plist.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>

namespace {

// Deeper nesting is dropped rather than followed: no bundle key needs it.
constexpr int depthLimit = 32;

struct PlistFree {
    void operator()(void* node) const { plist_free(static_cast<plist_t>(node)); }
};

QVariant toVariant(plist_t node, int depth);

QVariantMap toMap(plist_t dict, int depth)
{
    QVariantMap map;
    plist_dict_iter iter = nullptr;
    plist_dict_new_iter(dict, &iter);
    if (!iter)
        return map;
    for (;;) {
        char* key = nullptr;
        plist_t value = nullptr;
        plist_dict_next_item(dict, iter, &key, &value);
        if (!value) {
            std::free(key);
            break;
        }
        if (key) {
            QVariant converted = toVariant(value, depth + 1);
            if (converted.isValid())
                map.insert(QString::fromUtf8(key), std::move(converted));
        }
        std::free(key);
    }
    std::free(iter);
    return map;
}

QVariant toVariant(plist_t node, int depth)
{
    if (depth > depthLimit)
        return {};
    switch (plist_get_node_type(node)) {
    case PLIST_STRING: {
        uint64_t length = 0;
        const char* text = plist_get_string_ptr(node, &length);
        return text ? QVariant(QString::fromUtf8(text, qsizetype(length))) : QVariant();
    }
    case PLIST_DICT:
        return toMap(node, depth);
    case PLIST_ARRAY: {
        QVariantList list;
        const uint32_t size = plist_array_get_size(node);
        list.reserve(qsizetype(size));
        for (uint32_t i = 0; i < size; ++i) {
            // Keep positions: an unconvertible element stays as an invalid placeholder.
            if (plist_t item = plist_array_get_item(node, i))
                list.append(toVariant(item, depth + 1));
        }
        return list;
    }
    case PLIST_BOOLEAN: {
        uint8_t value = 0;
        plist_get_bool_val(node, &value);
        return bool(value);
    }
    case PLIST_UINT: {
        uint64_t value = 0;
        plist_get_uint_val(node, &value);
        return QVariant::fromValue(quint64(value));
    }
    case PLIST_REAL: {
        double value = 0;
        plist_get_real_val(node, &value);
        return value;
    }
    case PLIST_DATA: {
        uint64_t length = 0;
        const char* data = plist_get_data_ptr(node, &length);
        return QByteArray(data, data ? qsizetype(length) : 0);
    }
    case PLIST_DATE: {
        int32_t seconds = 0;
        int32_t microseconds = 0;
        plist_get_date_val(node, &seconds, &microseconds);
        static const qint64 referenceMs = QDateTime(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch();
        return QDateTime::fromMSecsSinceEpoch(referenceMs + qint64(seconds) * 1000 + microseconds / 1000, Qt::UTC);
    }
    default:
        return {};
    }
}

quint64 readBigEndian(const uchar* bytes, int size)
{
    quint64 value = 0;
    for (int i = 0; i < size; ++i)
        value = (value << 8) | bytes[i];
    return value;
}

// libplist aborts on a binary dictionary key that holds a NUL character, so such files are
// refused before it sees them. Any structure this walk cannot follow is refused as well.
class BinaryKeyCheck {
public:
    explicit BinaryKeyCheck(const QByteArray& data)
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
        if (m_offsetSize < 1 || m_offsetSize > 8 || m_refSize < 1 || m_refSize > 8 || m_objectCount > m_dataEnd
            || m_tableOffset > m_dataEnd || m_objectCount * m_offsetSize > m_dataEnd - m_tableOffset)
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
        if (!count(offset, position, entries) || entries > m_dataEnd || position + entries * m_refSize > m_dataEnd)
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

// Reads a whole regular file of bounded size; never blocks on a FIFO or device.
std::optional<QByteArray> readSmallFile(const QString& filePath)
{
    const int fd = ::open(QFile::encodeName(filePath).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    std::optional<QByteArray> result;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= PropertyList::maximumFileSize) {
        // One byte of slack tells a file that grew past the limit since fstat.
        QByteArray data(qsizetype(info.st_size) + 1, Qt::Uninitialized);
        qsizetype filled = 0;
        bool failed = false;
        while (filled < data.size()) {
            const ssize_t got = ::read(fd, data.data() + filled, size_t(data.size() - filled));
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0) {
                failed = true;
                break;
            }
            if (got == 0)
                break;
            filled += got;
        }
        if (!failed && filled <= PropertyList::maximumFileSize) {
            data.truncate(filled);
            result = std::move(data);
        }
    }
    ::close(fd);
    return result;
}

} // namespace

namespace PropertyList {

std::optional<QVariantMap> dictionaryFromData(const QByteArray& data)
{
    if (data.isEmpty() || data.size() > maximumFileSize)
        return std::nullopt;
    if (plist_is_binary(data.constData(), uint32_t(data.size())) && !BinaryKeyCheck(data).keysAreSafe())
        return std::nullopt;
    plist_t raw = nullptr;
    plist_from_memory(data.constData(), uint32_t(data.size()), &raw);
    const std::unique_ptr<void, PlistFree> root(raw);
    if (!root || plist_get_node_type(root.get()) != PLIST_DICT)
        return std::nullopt;
    return toMap(root.get(), 0);
}

std::optional<QVariantMap> readDictionary(const QString& filePath)
{
    const std::optional<QByteArray> data = readSmallFile(filePath);
    if (!data)
        return std::nullopt;
    return dictionaryFromData(*data);
}

std::optional<QString> string(const QVariantMap& dictionary, const QString& key)
{
    const auto it = dictionary.constFind(key);
    if (it == dictionary.cend() || it->typeId() != QMetaType::QString)
        return std::nullopt;
    return it->toString();
}

} // namespace PropertyList
