#pragma once

#include <QDateTime>
#include <QString>

// Row dates are calendar days in UTC.

// "d-MMM-yy" with English month names, the form rows carry between grouping stages.
QString formatRowDate(const QDateTime& date);
// The first day of the window for two-digit years, 80 years before the given moment.
QDate rowDateWindowStart(const QDateTime& now);
// The day a row date ("d-MMM-yy", English) names, its two-digit year placed in the 100-year
// window starting at windowStart. Invalid QDate when the text does not parse.
QDate parseRowDay(QStringView text, QDate windowStart);
// The same pattern in the user's current locale, for display.
QString formatDisplayRowDate(const QDateTime& date);
QString formatDisplayRowDay(QDate day);
