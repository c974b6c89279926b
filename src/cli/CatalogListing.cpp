#include "cli/CatalogListing.h"

#include "cli/TextTable.h"
#include "model/CatalogStore.h"
#include "model/LocaleCompare.h"

#include <algorithm>

namespace {
constexpr int sizeColumn = 4;
}

namespace CatalogListing {

QString table(const CatalogStore& store) {
    QList<const PluginRecord*> records;
    for (const PluginRecord* record : store.records()) {
        if (!record->foundInstalls().isEmpty())
            records.append(record);
    }
    if (records.isEmpty())
        return QStringLiteral("No plug-ins found.\n");
    const QCollator collator = localizedCaseInsensitiveCollator();
    std::stable_sort(records.begin(), records.end(), [&](const PluginRecord* a, const PluginRecord* b) {
        const int byName = collator.compare(a->name(), b->name());
        return byName != 0 ? byName < 0 : collator.compare(a->publisher(), b->publisher()) < 0;
    });

    TextTable table({QStringLiteral("Name"), QStringLiteral("Publisher"), QStringLiteral("Formats"),
                     QStringLiteral("Version"), QStringLiteral("Size")});
    table.setRightAligned(sizeColumn);
    for (const PluginRecord* record : records)
        table.addRow({record->name(), record->publisher(), record->formatList().join(QStringLiteral(", ")),
                      record->displayVersion(), record->totalSizeText()});
    return table.toString();
}

} // namespace CatalogListing
