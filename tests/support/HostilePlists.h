#pragma once

#include <QByteArray>
#include <QList>

#include <utility>

// Binary property lists built byte by byte, including shapes no writer would produce: nesting
// a hundred thousand levels deep, one object referenced a million times, reference cycles.
namespace HostilePlists {

class Builder {
public:
    // `referenceSize` bytes per object reference (1 to 4).
    explicit Builder(int referenceSize = 4) : m_refSize(referenceSize) {}

    int add(QByteArray encoded)
    {
        m_objects.append(std::move(encoded));
        return int(m_objects.size() - 1);
    }
    // Reserves an index to fill later with set(), for references to objects added after it.
    int reserve() { return add({}); }
    void set(int index, QByteArray encoded) { m_objects[index] = std::move(encoded); }

    QByteArray ascii(const QByteArray& text) const { return marker(0x50, text.size()) + text; }
    QByteArray array(const QList<int>& items) const { return marker(0xA0, items.size()) + references(items); }
    QByteArray dictionary(const QList<std::pair<int, int>>& entries) const
    {
        QList<int> keys;
        QList<int> values;
        for (const auto& [key, value] : entries) {
            keys.append(key);
            values.append(value);
        }
        return marker(0xD0, entries.size()) + references(keys) + references(values);
    }

    QByteArray build(int root) const
    {
        QByteArray data("bplist00");
        QList<quint64> offsets;
        for (const QByteArray& object : m_objects) {
            offsets.append(quint64(data.size()));
            data += object;
        }
        const quint64 tableOffset = quint64(data.size());
        for (const quint64 offset : offsets)
            data += bigEndian(offset, 8);
        data += QByteArray(6, '\0');
        data += char(8);
        data += char(m_refSize);
        data += bigEndian(quint64(m_objects.size()), 8);
        data += bigEndian(quint64(root), 8);
        data += bigEndian(tableOffset, 8);
        return data;
    }

private:
    static QByteArray bigEndian(quint64 value, int size)
    {
        QByteArray bytes(size, '\0');
        for (int i = size - 1; i >= 0; --i, value >>= 8)
            bytes[i] = char(value & 0xFF);
        return bytes;
    }
    static QByteArray marker(int type, qsizetype count)
    {
        if (count < 15)
            return QByteArray(1, char(type | int(count)));
        return QByteArray(1, char(type | 0x0F)) + char(0x13) + bigEndian(quint64(count), 8);
    }
    QByteArray references(const QList<int>& items) const
    {
        QByteArray bytes;
        bytes.reserve(items.size() * m_refSize);
        for (const int item : items)
            bytes += bigEndian(quint64(item), m_refSize);
        return bytes;
    }

    int m_refSize;
    QList<QByteArray> m_objects;
};

// A dictionary naming the bundle, with `value` under "Payload".
inline QByteArray bundleDictionary(Builder& plist, int value)
{
    const int nameKey = plist.add(plist.ascii("CFBundleName"));
    const int name = plist.add(plist.ascii("Hostile"));
    const int payloadKey = plist.add(plist.ascii("Payload"));
    return plist.dictionary({{nameKey, name}, {payloadKey, value}});
}

// Arrays nested `levels` deep under the root dictionary.
inline QByteArray deepArrays(int levels)
{
    Builder plist;
    const int root = plist.reserve();
    int inner = plist.add(plist.array({}));
    for (int level = 1; level < levels; ++level)
        inner = plist.add(plist.array({inner}));
    plist.set(root, bundleDictionary(plist, inner));
    return plist.build(root);
}

// One array holding `references` references to the same string of `bytes` characters.
inline QByteArray sharedString(int references, qsizetype bytes)
{
    Builder plist(2);
    const int root = plist.reserve();
    const int text = plist.add(plist.ascii(QByteArray(bytes, 'x')));
    plist.set(root, bundleDictionary(plist, plist.add(plist.array(QList<int>(references, text)))));
    return plist.build(root);
}

// The root dictionary has `keys` entries whose keys are all one string of `bytes` characters.
inline QByteArray manyKeys(int keys, qsizetype bytes)
{
    Builder plist(1);
    const int key = plist.add(plist.ascii(QByteArray(bytes, 'k')));
    const int value = plist.add(plist.ascii("v"));
    QList<std::pair<int, int>> entries(keys, {key, value});
    const int root = plist.add(plist.dictionary(entries));
    return plist.build(root);
}

// Each array holds the next twice: `levels` levels expand to 2^levels leaves.
inline QByteArray doublingChain(int levels)
{
    Builder plist;
    const int root = plist.reserve();
    int inner = plist.add(plist.ascii("leaf"));
    for (int level = 0; level < levels; ++level)
        inner = plist.add(plist.array({inner, inner}));
    plist.set(root, bundleDictionary(plist, inner));
    return plist.build(root);
}

// An array that holds itself.
inline QByteArray cycle()
{
    Builder plist;
    const int root = plist.reserve();
    const int loop = plist.reserve();
    plist.set(loop, plist.array({loop}));
    plist.set(root, bundleDictionary(plist, loop));
    return plist.build(root);
}

} // namespace HostilePlists
