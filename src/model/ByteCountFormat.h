#pragma once

#include <QString>

// Byte counts in file style: decimal units (1 kB = 1000 bytes), "Zero KB" style handled as the
// platform formatter does. parseSizeText reads back what formatByteCount writes (English locale).
QString formatByteCount(qint64 bytes);

// Reads "N", "N bytes", "N KB", "N.N MB" and so on back to bytes, truncated toward zero. A first
// piece that is not wholly a decimal number counts as 0; an unknown or missing unit means bytes.
[[nodiscard]] qint64 parseSizeText(const QString& text);
