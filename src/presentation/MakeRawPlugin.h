#pragma once

#include "presentation/RawPlugin.h"

#include <QList>

class PluginInstall;
class PluginRecord;

// The row of one found install: record name and publisher, install texts, row-format dates and
// the size as a plain byte count.
[[nodiscard]] RawPlugin makeRawPlugin(const PluginInstall& install, const PluginRecord& record);

// Appends one row per found install of the record, in the record's install order.
void appendRawPlugins(const PluginRecord& record, QList<RawPlugin>& rows);
