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

QString formatMagnitude(quint64 magnitude)
{
    if (magnitude < 1000)
        return magnitude == 1 ? QStringLiteral("1 byte") : QString::number(magnitude) + QStringLiteral(" bytes");
    for (std::size_t i = 0; i < units.size(); ++i) {
        const Unit& unit = units[i];
        const quint64 scale = powerOfTen(unit.decimals);
        const quint64 step = unit.divisor / scale;
        // magnitude < 2^64 - step / 2 always holds for signed inputs, so this cannot overflow.
        const quint64 scaled = (magnitude + step / 2) / step;
        if (scaled >= 1000 * scale && i + 1 < units.size())
            continue;
        QString text = QString::number(scaled / scale);
        if (unit.decimals > 0) {
            QString fraction = QString::number(scaled % scale).rightJustified(unit.decimals, u'0');
            while (fraction.endsWith(u'0'))
                fraction.chop(1);
            if (!fraction.isEmpty())
                text += u'.' + fraction;
        }
        return text + u' ' + QLatin1StringView(unit.name);
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
        return u'-' + formatMagnitude(quint64(0) - quint64(bytes));
    return formatMagnitude(quint64(bytes));
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
