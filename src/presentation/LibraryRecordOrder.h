#pragma once

#include <QList>

class PluginRecord;

// The order in which the library hands the catalogue's records to LibraryViewModel::update.
namespace LibraryRecordOrder {

// By name, numbers inside names compared as numbers; equal names keep their order.
[[nodiscard]] QList<PluginRecord*> sortedByName(QList<PluginRecord*> records);

} // namespace LibraryRecordOrder
