#include "store/VersionOrder.h"

#include <QList>
#include <QStringView>

#include <algorithm>
#include <limits>
#include <optional>

namespace {

std::optional<qint64> wholeNumber(QStringView piece) {
    const bool negative = !piece.isEmpty() && piece[0] == u'-';
    const qsizetype start = !piece.isEmpty() && (piece[0] == u'+' || negative) ? 1 : 0;
    if (start == piece.size())
        return std::nullopt;
    // Accumulated as a negative number so that the smallest 64-bit value still fits.
    qint64 value = 0;
    for (qsizetype at = start; at < piece.size(); ++at) {
        const char16_t c = piece[at].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        if (__builtin_mul_overflow(value, 10, &value) ||
            __builtin_sub_overflow(value, qint64(c - u'0'), &value))
            return std::nullopt;
    }
    if (negative)
        return value;
    if (value == std::numeric_limits<qint64>::min())
        return std::nullopt;
    return -value;
}

} // namespace

namespace VersionOrder {

std::vector<qint64> numbers(const QString& version) {
    std::vector<qint64> result;
    for (QStringView piece : QStringView(version).split(u'.'))
        if (const std::optional<qint64> number = wholeNumber(piece))
            result.push_back(*number);
    return result;
}

bool precedes(const std::vector<qint64>& left, const std::vector<qint64>& right) {
    const std::size_t length = std::max(left.size(), right.size());
    for (std::size_t i = 0; i < length; ++i) {
        const qint64 x = i < left.size() ? left[i] : 0;
        const qint64 y = i < right.size() ? right[i] : 0;
        if (x != y)
            return x < y;
    }
    return false;
}

} // namespace VersionOrder
