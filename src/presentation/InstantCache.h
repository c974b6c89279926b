#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QString>

// Instants and UTC days of dates held in local time, as the catalogue loads them. Converting a
// local time to UTC asks the C library, which re-reads the zone file on every call when TZ is
// unset; here each local day's UTC offset is asked for once. Days with a zone transition are
// converted exactly, date by date. Results equal QDateTime::toMSecsSinceEpoch and formatRowDate.
class InstantCache {
public:
    // Forgets the offsets when the system time zone changed since the last call; cheap otherwise.
    void revalidate();

    [[nodiscard]] qint64 msecsSinceEpoch(const QDateTime& date);
    // "d-MMM-yy" of the UTC day; empty for an invalid date.
    [[nodiscard]] QString rowDateText(const QDateTime& date);

private:
    // A local day's UTC offset in seconds, when one offset holds all day (no transition).
    struct DayOffset {
        int seconds = 0;
        bool uniform = false;
    };

    int midnightOffset(const QDate& day);
    DayOffset dayOffset(const QDate& day);

    QByteArray m_zoneId;
    QHash<qint64, int> m_midnightOffsets;
    QHash<qint64, DayOffset> m_dayOffsets;
    QHash<qint64, QString> m_rowDateTexts;
};
