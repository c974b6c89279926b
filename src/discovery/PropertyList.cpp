#include "discovery/PropertyList.h"

#include "discovery/BinaryPlistGuard.h"
#include "discovery/XmlPlistGuard.h"
#include "model/FilePathBytes.h"

#include <QDateTime>

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
// Far deeper than any bundle's XML goes, far shallower than what exhausts libplist's stack.
constexpr int xmlDepthLimit = 128;

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
    case PLIST_DICT: return toMap(node, depth);
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
        static const qint64 referenceMs =
            QDateTime(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch();
        return QDateTime::fromMSecsSinceEpoch(referenceMs + qint64(seconds) * 1000 + microseconds / 1000,
                                              Qt::UTC);
    }
    default: return {};
    }
}

// Reads a whole regular file of bounded size; never blocks on a FIFO or device.
std::optional<QByteArray> readSmallFile(const QString& filePath)
{
    const int fd =
        ::open(FilePathBytes::encode(filePath).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
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

std::optional<QVariantMap> dictionaryFromData(const QByteArray& data, const QStringList& keys)
{
    if (data.isEmpty() || data.size() > maximumFileSize)
        return std::nullopt;
    if (plist_is_binary(data.constData(), uint32_t(data.size()))) {
        if (BinaryPlistGuard::check(data) != BinaryPlistGuard::Verdict::acceptable)
            return std::nullopt;
    } else if (!XmlPlistGuard::nestingWithin(data, xmlDepthLimit)) {
        return std::nullopt;
    }
    plist_t raw = nullptr;
    plist_from_memory(data.constData(), uint32_t(data.size()), &raw);
    const std::unique_ptr<void, PlistFree> root(raw);
    if (!root || plist_get_node_type(root.get()) != PLIST_DICT)
        return std::nullopt;
    if (keys.isEmpty())
        return toMap(root.get(), 0);
    QVariantMap map;
    for (const QString& key : keys) {
        if (plist_t value = plist_dict_get_item(root.get(), key.toUtf8().constData())) {
            QVariant converted = toVariant(value, 1);
            if (converted.isValid())
                map.insert(key, std::move(converted));
        }
    }
    return map;
}

std::optional<QVariantMap> readDictionary(const QString& filePath, const QStringList& keys)
{
    const std::optional<QByteArray> data = readSmallFile(filePath);
    if (!data)
        return std::nullopt;
    return dictionaryFromData(*data, keys);
}

std::optional<QString> string(const QVariantMap& dictionary, const QString& key)
{
    const auto it = dictionary.constFind(key);
    if (it == dictionary.cend() || it->typeId() != QMetaType::QString)
        return std::nullopt;
    return it->toString();
}

} // namespace PropertyList
