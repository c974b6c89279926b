#pragma once

#include <QCollator>
#include <QString>

// Locale-aware, case-insensitive comparison. Under the "C"/POSIX locale a real collation is
// used instead so accented names still sort beside their base letters.
int localizedCaseInsensitiveCompare(const QString& a, const QString& b);
// The same with numeric runs compared as numbers ("Vol 2" before "Vol 10").
int localizedStandardCompare(const QString& a, const QString& b);

// The collator behind localizedCaseInsensitiveCompare, for sorting many texts at once on this
// thread without looking up the current locale for each comparison.
[[nodiscard]] QCollator localizedCaseInsensitiveCollator();
