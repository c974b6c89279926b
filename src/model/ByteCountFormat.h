#pragma once

#include <QString>

// Byte counts in file style: decimal units (1 kB = 1000 bytes), "Zero KB" style handled as the
// platform formatter does. parseSizeText reads back what formatByteCount writes (English locale).
QString formatByteCount(qint64 bytes);
