#include "ui/FilterPanelDates.h"

FilterPanelDates::FilterPanelDates(QObject* parent) : QObject(parent) {}

QDateTime FilterPanelDates::startDefault()
{
    return yearBefore(QDateTime::currentDateTime());
}

QDateTime FilterPanelDates::endDefault()
{
    return QDateTime::currentDateTime();
}

QDateTime FilterPanelDates::shownFrom(const QDateTime& from)
{
    // The day "Use start date" would set, not the first representable one (year 1).
    return from.isValid() ? from : startDefault();
}

QDateTime FilterPanelDates::shownTo(const QDateTime& to)
{
    return to.isValid() ? to : QDateTime::currentDateTime();
}

QDateTime FilterPanelDates::withDay(const QDateTime& shown, int year, int month, int day)
{
    const QDate date(year, month, day);
    if (!date.isValid())
        return shown;
    const QDateTime local = shown.isValid() ? shown.toLocalTime() : QDateTime::currentDateTime();
    return QDateTime(date, local.time());
}

QDateTime FilterPanelDates::yearBefore(const QDateTime& moment)
{
    return moment.addYears(-1);
}
