#pragma once

#include <QString>

// The bucket a plug-in name falls into: its cleaned name, lower-cased and trimmed of blanks.
// Equals the name part of the record key.
[[nodiscard]] QString groupKey(const QString& name);
