#include "presentation/InstantCache.h"

#include "model/RowDateFormat.h"

#include <QTimeZone>

namespace {

constexpr qint64 msecsPerDay = 86'400'000;
const qint64 epochJulianDay = QDate(1970, 1, 1).toJulianDay();

qint64 floorDivide(qint64 value, qint64 divisor)
{
    const qint64 quotient = value / divisor;
    return (value % divisor != 0 && (value < 0) != (divisor < 0)) ? quotient - 1 : quotient;
}

} // namespace

void InstantCache::revalidate()
{
    const QByteArray zone = QTimeZone::systemTimeZoneId();
    if (zone != m_zoneId) {
        m_zoneId = zone;
        m_midnightOffsets.clear();
        m_dayOffsets.clear();
    }
}

int InstantCache::midnightOffset(const QDate& day)
{
    const qint64 key = day.toJulianDay();
    auto found = m_midnightOffsets.constFind(key);
    if (found == m_midnightOffsets.cend())
        found = m_midnightOffsets.insert(key, QDateTime(day, QTime(0, 0), Qt::LocalTime).offsetFromUtc());
    return found.value();
}

InstantCache::DayOffset InstantCache::dayOffset(const QDate& day)
{
    const qint64 key = day.toJulianDay();
    auto found = m_dayOffsets.constFind(key);
    if (found == m_dayOffsets.cend()) {
        // Equal offsets at both ends: no transition that day, so one offset serves every moment of it.
        const int offset = midnightOffset(day);
        found = m_dayOffsets.insert(key, DayOffset{offset, offset == midnightOffset(day.addDays(1))});
    }
    return found.value();
}

qint64 InstantCache::msecsSinceEpoch(const QDateTime& date)
{
    if (!date.isValid() || date.timeSpec() != Qt::LocalTime)
        return date.toMSecsSinceEpoch();
    // The wall-clock reading of a local time needs no conversion.
    const QDate day = date.date();
    const DayOffset offset = dayOffset(day);
    if (!offset.uniform)
        return date.toMSecsSinceEpoch();
    const qint64 wallClock = (day.toJulianDay() - epochJulianDay) * msecsPerDay + date.time().msecsSinceStartOfDay();
    return wallClock - qint64(offset.seconds) * 1000;
}

QString InstantCache::rowDateText(const QDateTime& date)
{
    if (!date.isValid())
        return {};
    const qint64 utcDay = floorDivide(msecsSinceEpoch(date), msecsPerDay);
    auto found = m_rowDateTexts.constFind(utcDay);
    if (found == m_rowDateTexts.cend()) {
        const QDateTime noon(QDate::fromJulianDay(epochJulianDay + utcDay), QTime(12, 0), Qt::UTC);
        found = m_rowDateTexts.insert(utcDay, formatRowDate(noon));
    }
    return found.value();
}
