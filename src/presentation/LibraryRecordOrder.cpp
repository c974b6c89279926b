#include "presentation/LibraryRecordOrder.h"

#include "model/LocaleCompare.h"
#include "model/PluginRecord.h"

#include <algorithm>

namespace LibraryRecordOrder {

QList<PluginRecord*> sortedByName(QList<PluginRecord*> records)
{
    std::stable_sort(records.begin(), records.end(), [](const PluginRecord* a, const PluginRecord* b) {
        return localizedStandardCompare(a->name(), b->name()) < 0;
    });
    return records;
}

} // namespace LibraryRecordOrder
