#pragma once

#include <QByteArrayView>

#include <cstdint>

// Looks over a binary property list before libplist reads it. libplist follows references by
// recursion and copies every shared object once per reference, so a small file can nest deep
// enough to exhaust the stack or expand to terabytes. This walks the object table once, without
// recursion, visiting each object once, and tells whether a full expansion stays within limits
// that no bundle's property list comes near. It also refuses dictionary keys that are not
// strings or that hold a NUL character, which libplist does not survive. The cost is linear in
// the size of the file.
class BinaryPlistGuard {
public:
    struct Limits {
        int depth = 64; // containers inside containers, the root counting as one
        std::uint64_t objects = 500'000; // objects in the expanded tree
        std::uint64_t bytes = 32 * 1024 * 1024; // what the expanded tree holds
    };

    enum class Verdict { acceptable, malformed, tooDeep, tooManyObjects, tooLarge, cyclic, unsafeKey };

    [[nodiscard]] static Verdict check(QByteArrayView binaryPlist, const Limits& limits);
    [[nodiscard]] static Verdict check(QByteArrayView binaryPlist) { return check(binaryPlist, Limits{}); }
};
