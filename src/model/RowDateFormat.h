#pragma once

#include <QDateTime>
#include <QString>

// Row dates are calendar days in UTC.

// "d-MMM-yy" with English month names, the form rows carry between grouping stages.
QString formatRowDate(const QDateTime& date);
// Reads "d-MMM-yy" (English); two-digit years resolve into the 100-year window that starts
// 80 years before now. Invalid QDateTime when the text does not parse.
QDateTime parseRowDate(const QString& text);
// The same, with the window placed relative to the given moment instead of now.
QDateTime parseRowDate(const QString& text, const QDateTime& now);
// The first day of the window for two-digit years, 80 years before the given moment.
QDate rowDateWindowStart(const QDateTime& now);
// The day a row date names, its two-digit year placed in the window starting at windowStart.
// For reading many dates against one window. Invalid QDate when the text does not parse.
QDate parseRowDay(QStringView text, QDate windowStart);
// The same pattern in the user's current locale, for display.
QString formatDisplayRowDate(const QDateTime& date);
QString formatDisplayRowDay(QDate day);
