#pragma once

#include <QString>

// Byte counts in the file style of the usual desktop byte-count formatter, decimal units
// (1 KB = 1000 bytes), always in English with a decimal point:
//   0 → "Zero KB"; 1 → "1 byte"; under 1000 → "N bytes";
//   then KB with no decimals, MB with one, GB, TB, PB and EB with two ("12 KB", "1.5 MB",
//   "1.23 GB"), rounded half up, trailing zeros dropped ("2 GB", not "2.00 GB");
//   a value that rounds up to 1000 of a unit is written in the next unit (999,500 → "1 MB");
//   negative counts carry a leading "-".
QString formatByteCount(qint64 bytes);

// Reads "N", "N bytes", "N KB", "N.N MB" and so on back to bytes, truncated toward zero. The
// text is trimmed and split at single blanks; a first piece that is not wholly a decimal number
// counts as 0 (so "Zero KB" is 0); the second piece, upper-cased, is the unit: KB, MB, GB, and
// also TB, PB and EB so that every formatByteCount text reads back; any other unit, or none,
// means bytes. Plain digit strings are read exactly; results beyond 64 bits saturate.
[[nodiscard]] qint64 parseSizeText(const QString& text);
