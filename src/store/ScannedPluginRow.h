#pragma once

#include "discovery/ScannedPlugin.h"
#include "presentation/RawPlugin.h"

// The grouping row of a scanned bundle: format and architecture as their stored texts, dates as
// English row dates, the size as a file-style byte count.
[[nodiscard]] RawPlugin rawPluginFromScanned(const ScannedPlugin& scanned);
