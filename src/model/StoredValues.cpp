#include "model/StoredValues.h"


#include <cmath>

namespace StoredValues {

QVariant fromText(const QString& text)
{
    return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text);
}

QVariant fromBlob(const QByteArray& bytes)
{
    return bytes.isNull() ? QVariant(QByteArray("", 0)) : QVariant(bytes);
}

QVariant fromDate(const QDateTime& date)
{
    if (!date.isValid())
        return QVariant(QMetaType::fromType<double>());
    return double(date.toMSecsSinceEpoch()) / 1000.0;
}

QDateTime toDate(const QVariant& value)
{
    if (value.isNull())
        return {};
    bool ok = false;
    const double seconds = value.toDouble(&ok);
    if (!ok || !std::isfinite(seconds) || std::abs(seconds) > 8.0e12)
        return {};
    // Milliseconds were divided by 1000 on the way in; rounding restores them exactly. UTC
    // because a local-time conversion per date dominates the time to open a catalogue.
    return QDateTime::fromMSecsSinceEpoch(std::llround(seconds * 1000.0), Qt::UTC);
}

} // namespace StoredValues
