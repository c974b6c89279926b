#pragma once

#include "presentation/RawPlugin.h"

#include <QList>

class InstantCache;
class PluginInstall;
class PluginRecord;

// The row of one found install: record name and publisher, install texts, row-format dates and
// the size as a plain byte count.
[[nodiscard]] RawPlugin makeRawPlugin(const PluginInstall& install, const PluginRecord& record);
// The same row, its dates converted through the cache (for many rows at once).
[[nodiscard]] RawPlugin makeRawPlugin(const PluginInstall& install, const PluginRecord& record, InstantCache& instants);

// Appends one row per found install of the record, in the record's install order.
void appendRawPlugins(const PluginRecord& record, QList<RawPlugin>& rows, InstantCache& instants);
