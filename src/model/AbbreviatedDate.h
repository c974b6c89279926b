#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// A date without time in the locale's abbreviated style: its long date pattern with the weekday
// dropped and the month name shortened ("Jan 5, 2024" in US English, "5. Jan. 2024" in German).
// The date is shown in local time.
QString formatAbbreviatedDate(const QDateTime& date, const QLocale& locale = QLocale());
