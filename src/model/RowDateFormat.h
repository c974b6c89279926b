#pragma once

#include <QDateTime>
#include <QString>

// "d-MMM-yy" with English month names, the form rows carry between grouping stages.
QString formatRowDate(const QDateTime& date);
// Reads "d-MMM-yy" (English); two-digit years resolve into the 100-year window that starts
// 80 years before now. Invalid QDateTime when the text does not parse.
QDateTime parseRowDate(const QString& text);
// The same pattern in the user's current locale, for display.
QString formatDisplayRowDate(const QDateTime& date);
