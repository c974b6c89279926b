#include "model/ByteCountFormat.h"

#include "model/CharacterClasses.h"

#include <array>
#include <cmath>
#include <limits>

namespace {

struct Unit {
    const char* name;
    quint64 divisor;
    int decimals;
};

// The file-style formatter's units and precision: KB whole, MB one decimal, GB and above two,
// rounded half up, trailing zeros dropped. A value that rounds up to 1000 moves to the next unit.
constexpr std::array<Unit, 6> units{{{"KB", 1000ULL, 0},
                                     {"MB", 1000ULL * 1000, 1},
                                     {"GB", 1000ULL * 1000 * 1000, 2},
                                     {"TB", 1000ULL * 1000 * 1000 * 1000, 2},
                                     {"PB", 1000ULL * 1000 * 1000 * 1000 * 1000, 2},
                                     {"EB", 1000ULL * 1000 * 1000 * 1000 * 1000 * 1000, 2}}};

constexpr quint64 powerOfTen(int exponent)
{
    quint64 result = 1;
    for (int i = 0; i < exponent; ++i)
        result *= 10;
    return result;
}

// Appends the decimal digits of value to out, returning the new end.
char* appendNumber(char* out, quint64 value)
{
    char digits[20];
    int count = 0;
    do {
        digits[count++] = char('0' + value % 10);
        value /= 10;
    } while (value > 0);
    while (count > 0)
        *out++ = digits[--count];
    return out;
}

QString formatMagnitude(quint64 magnitude, bool negative)
{
    // Sizes are formatted by the thousand when grouping, so the text is built in one buffer.
    char buffer[48];
    char* out = buffer;
    if (negative)
        *out++ = '-';
    if (magnitude < 1000) {
        out = appendNumber(out, magnitude);
        const char* unit = magnitude == 1 ? " byte" : " bytes";
        while (*unit)
            *out++ = *unit++;
        return QString::fromLatin1(buffer, out - buffer);
    }
    for (std::size_t i = 0; i < units.size(); ++i) {
        const Unit& unit = units[i];
        const quint64 scale = powerOfTen(unit.decimals);
        const quint64 step = unit.divisor / scale;
        // magnitude < 2^64 - step / 2 always holds for signed inputs, so this cannot overflow.
        const quint64 scaled = (magnitude + step / 2) / step;
        if (scaled >= 1000 * scale && i + 1 < units.size())
            continue;
        out = appendNumber(out, scaled / scale);
        quint64 fraction = scaled % scale;
        int decimals = unit.decimals;
        while (decimals > 0 && fraction % 10 == 0) {
            fraction /= 10;
            --decimals;
        }
        if (decimals > 0) {
            *out++ = '.';
            // Leading zeros of the fraction ("1.05") are kept.
            for (quint64 place = powerOfTen(decimals - 1); place > 0; place /= 10)
                *out++ = char('0' + (fraction / place) % 10);
        }
        *out++ = ' ';
        *out++ = unit.name[0];
        *out++ = unit.name[1];
        return QString::fromLatin1(buffer, out - buffer);
    }
    return {};
}

qint64 multiplierFor(const QString& unit)
{
    for (const Unit& candidate : units)
        if (unit == QLatin1StringView(candidate.name))
            return qint64(candidate.divisor);
    return 1;
}

} // namespace

QString formatByteCount(qint64 bytes)
{
    if (bytes == 0)
        return QStringLiteral("Zero KB");
    if (bytes < 0)
        return formatMagnitude(quint64(0) - quint64(bytes), true);
    return formatMagnitude(quint64(bytes), false);
}

qint64 parseSizeText(const QString& text)
{
    const QStringView trimmed = CharacterClasses::trimmedSpaceAndNewlines(text);
    // Rows built from installs carry plain byte counts: read those exactly, without a double.
    if (!trimmed.isEmpty() && trimmed.size() <= 18) {
        qint64 plain = 0;
        bool digitsOnly = true;
        for (const QChar c : trimmed) {
            if (c < u'0' || c > u'9') {
                digitsOnly = false;
                break;
            }
            plain = plain * 10 + (c.unicode() - u'0');
        }
        if (digitsOnly)
            return plain;
    }

    const qsizetype blank = trimmed.indexOf(u' ');
    const QStringView number = blank < 0 ? trimmed : trimmed.left(blank);
    // toDouble forgives surrounding white space; the number must be the whole piece.
    if (number.isEmpty() || number.front().isSpace() || number.back().isSpace())
        return 0;
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok || std::isnan(value))
        return 0;
    QString unit;
    if (blank >= 0) {
        const QStringView rest = trimmed.mid(blank + 1);
        const qsizetype nextBlank = rest.indexOf(u' ');
        unit = (nextBlank < 0 ? rest : rest.left(nextBlank)).toString().toUpper();
    }
    const double product = value * double(multiplierFor(unit));
    // Beyond the signed 64-bit range the count saturates.
    if (product >= 9223372036854775807.0)
        return std::numeric_limits<qint64>::max();
    if (product <= -9223372036854775808.0)
        return std::numeric_limits<qint64>::min();
    return qint64(product);
}
