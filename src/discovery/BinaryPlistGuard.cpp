#include "discovery/BinaryPlistGuard.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <vector>

namespace {

using Verdict = BinaryPlistGuard::Verdict;

constexpr std::uint64_t headerSize = 8;
constexpr std::uint64_t trailerSize = 32;
// What libplist and the conversion after it hold for one node besides its payload.
constexpr std::uint64_t nodeOverhead = 64;
constexpr std::uint64_t referenceCost = 16;

std::uint64_t readBigEndian(const uchar* bytes, std::uint64_t size)
{
    std::uint64_t value = 0;
    for (std::uint64_t i = 0; i < size; ++i)
        value = (value << 8) | bytes[i];
    return value;
}

std::uint64_t saturatingAdd(std::uint64_t a, std::uint64_t b)
{
    return a > UINT64_MAX - b ? UINT64_MAX : a + b;
}

// The expanded tree below one object.
struct Expansion {
    std::uint64_t bytes = 0;
    std::uint64_t objects = 0;
    int height = 0; // levels, the object itself counting as one
    bool finished = false; // false while the object is being walked
};

// One object's marker, payload and the references it holds.
struct Object {
    int type = 0;
    std::uint64_t payloadBytes = 0;
    std::uint64_t references = 0; // position of the first reference
    std::uint64_t referenceCount = 0;
    std::uint64_t keyCount = 0; // the first keyCount references of a dictionary are its keys
    std::uint64_t characters = 0; // strings: position of the first character
    std::uint64_t characterCount = 0;
};

class Walk {
public:
    Walk(QByteArrayView data, const BinaryPlistGuard::Limits& limits)
        : m_bytes(reinterpret_cast<const uchar*>(data.data()))
        , m_size(std::uint64_t(data.size()))
        , m_limits(limits)
    {
    }

    Verdict run()
    {
        if (m_size < headerSize + trailerSize)
            return Verdict::malformed;
        const uchar* trailer = m_bytes + m_size - trailerSize;
        m_offsetSize = trailer[6];
        m_refSize = trailer[7];
        m_objectCount = readBigEndian(trailer + 8, 8);
        const std::uint64_t root = readBigEndian(trailer + 16, 8);
        m_tableOffset = readBigEndian(trailer + 24, 8);
        const std::uint64_t tableEnd = m_size - trailerSize;
        if (m_offsetSize < 1 || m_offsetSize > 8 || m_refSize < 1 || m_refSize > 8 || m_tableOffset < headerSize
            || m_tableOffset > tableEnd || m_objectCount > tableEnd
            || m_objectCount * m_offsetSize > tableEnd - m_tableOffset || root >= m_objectCount)
            return Verdict::malformed;
        return walkFrom(root);
    }

private:
    struct Frame {
        std::uint64_t index;
        Object object;
        std::uint64_t next = 0;
        Expansion total;
    };

    Verdict walkFrom(std::uint64_t root)
    {
        std::vector<Frame> stack;
        Expansion rootExpansion;
        if (const Verdict verdict = enter(root, 0, stack, rootExpansion); verdict != Verdict::acceptable)
            return verdict;
        while (!stack.empty()) {
            Frame& frame = stack.back();
            if (frame.next < frame.object.referenceCount) {
                const std::uint64_t position = frame.object.references + frame.next * m_refSize;
                const bool isKey = frame.next < frame.object.keyCount;
                ++frame.next;
                const std::uint64_t child = readBigEndian(m_bytes + position, m_refSize);
                if (child >= m_objectCount)
                    return Verdict::malformed;
                if (isKey) {
                    if (const Verdict verdict = checkKey(child); verdict != Verdict::acceptable)
                        return verdict;
                }
                Expansion leaf;
                const int level = int(stack.size());
                if (const Verdict verdict = enter(child, level, stack, leaf); verdict != Verdict::acceptable)
                    return verdict;
                if (int(stack.size()) == level) {
                    // A leaf or an object walked before: it adds to the frame now.
                    if (const Verdict verdict = add(stack.back(), leaf, level); verdict != Verdict::acceptable)
                        return verdict;
                }
                continue;
            }
            Expansion done = frame.total;
            done.finished = true;
            m_seen[frame.index] = done;
            stack.pop_back();
            if (!stack.empty()) {
                if (const Verdict verdict = add(stack.back(), done, int(stack.size())); verdict != Verdict::acceptable)
                    return verdict;
            }
        }
        return Verdict::acceptable;
    }

    // Either pushes a new container on the stack or hands back the expansion of a leaf or of an
    // object already walked in `result`. `level` is the number of containers above the object.
    Verdict enter(std::uint64_t index, int level, std::vector<Frame>& stack, Expansion& result)
    {
        const auto seen = m_seen.constFind(index);
        if (seen != m_seen.cend()) {
            if (!seen->finished)
                return Verdict::cyclic;
            result = *seen;
            return Verdict::acceptable;
        }
        if (std::uint64_t(m_seen.size()) >= m_limits.objects)
            return Verdict::tooManyObjects;
        Object object;
        if (!parse(index, object))
            return Verdict::malformed;
        if (level + 1 > m_limits.depth)
            return Verdict::tooDeep;
        Expansion own;
        own.objects = 1;
        own.height = 1;
        own.bytes = nodeOverhead + object.payloadBytes + object.referenceCount * referenceCost;
        if (own.bytes > m_limits.bytes)
            return Verdict::tooLarge;
        if (object.referenceCount == 0) {
            own.finished = true;
            m_seen.insert(index, own);
            result = own;
            return Verdict::acceptable;
        }
        m_seen.insert(index, Expansion{});
        stack.push_back(Frame{index, object, 0, own});
        return Verdict::acceptable;
    }

    // `level` is the level of the frame's object, counting from one at the root.
    Verdict add(Frame& frame, const Expansion& child, int level)
    {
        frame.total.bytes = saturatingAdd(frame.total.bytes, child.bytes);
        frame.total.objects = saturatingAdd(frame.total.objects, child.objects);
        frame.total.height = std::max(frame.total.height, child.height + 1);
        if (level + child.height > m_limits.depth)
            return Verdict::tooDeep;
        if (frame.total.objects > m_limits.objects)
            return Verdict::tooManyObjects;
        if (frame.total.bytes > m_limits.bytes)
            return Verdict::tooLarge;
        return Verdict::acceptable;
    }

    Verdict checkKey(std::uint64_t index)
    {
        if (m_checkedKeys.contains(index))
            return Verdict::acceptable;
        Object key;
        if (!parse(index, key))
            return Verdict::malformed;
        if (key.type != 0x5 && key.type != 0x6)
            return Verdict::unsafeKey;
        const std::uint64_t unit = key.type == 0x5 ? 1 : 2;
        for (std::uint64_t i = 0; i < key.characterCount; ++i) {
            const uchar* character = m_bytes + key.characters + i * unit;
            if (character[0] == 0 && (unit == 1 || character[1] == 0))
                return Verdict::unsafeKey;
        }
        m_checkedKeys.insert(index);
        return Verdict::acceptable;
    }

    // The element count in the marker's low bits, or the integer object after it.
    bool count(std::uint64_t& position, std::uint64_t& value) const
    {
        value = m_bytes[position] & 0x0F;
        ++position;
        if (value != 0x0F)
            return true;
        if (position >= m_tableOffset || (m_bytes[position] >> 4) != 0x1 || (m_bytes[position] & 0x0F) > 3)
            return false;
        const std::uint64_t size = std::uint64_t(1) << (m_bytes[position] & 0x0F);
        if (position + 1 + size > m_tableOffset)
            return false;
        value = readBigEndian(m_bytes + position + 1, size);
        position += 1 + size;
        return true;
    }

    bool fits(std::uint64_t position, std::uint64_t count, std::uint64_t unit) const
    {
        return count <= m_tableOffset && position <= m_tableOffset && count * unit <= m_tableOffset - position;
    }

    bool parse(std::uint64_t index, Object& object) const
    {
        std::uint64_t position = readBigEndian(m_bytes + m_tableOffset + index * m_offsetSize, m_offsetSize);
        if (position < headerSize || position >= m_tableOffset)
            return false;
        const uchar marker = m_bytes[position];
        object.type = marker >> 4;
        const int low = marker & 0x0F;
        switch (object.type) {
        case 0x0: return marker == 0x00 || marker == 0x08 || marker == 0x09 || marker == 0x0F;
        case 0x1: return low <= 4 && fits(position + 1, std::uint64_t(1) << low, 1);
        case 0x2: return (low == 2 || low == 3) && fits(position + 1, std::uint64_t(1) << low, 1);
        case 0x3: return marker == 0x33 && fits(position + 1, 8, 1);
        case 0x8: return fits(position + 1, std::uint64_t(low) + 1, 1);
        default: break;
        }
        std::uint64_t elements = 0;
        if (!count(position, elements))
            return false;
        switch (object.type) {
        case 0x4:
            object.payloadBytes = elements;
            return fits(position, elements, 1);
        case 0x5:
        case 0x6: {
            const std::uint64_t unit = object.type == 0x5 ? 1 : 2;
            object.characters = position;
            object.characterCount = elements;
            // UTF-16 comes out as UTF-8: up to three bytes a unit.
            object.payloadBytes = elements * (unit == 1 ? 1 : 3) + 1;
            return fits(position, elements, unit);
        }
        case 0xA:
        case 0xC:
            object.references = position;
            object.referenceCount = elements;
            return fits(position, elements, std::uint64_t(m_refSize));
        case 0xD:
            object.references = position;
            object.referenceCount = elements * 2;
            object.keyCount = elements;
            return elements <= m_tableOffset && fits(position, elements * 2, std::uint64_t(m_refSize));
        default: return false;
        }
    }

    const uchar* m_bytes;
    std::uint64_t m_size;
    BinaryPlistGuard::Limits m_limits;
    std::uint64_t m_offsetSize = 0;
    std::uint64_t m_refSize = 0;
    std::uint64_t m_objectCount = 0;
    std::uint64_t m_tableOffset = 0;
    QHash<std::uint64_t, Expansion> m_seen;
    QSet<std::uint64_t> m_checkedKeys;
};

} // namespace

BinaryPlistGuard::Verdict BinaryPlistGuard::check(QByteArrayView binaryPlist, const Limits& limits)
{
    return Walk(binaryPlist, limits).run();
}
