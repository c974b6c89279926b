#include "presentation/CardTexts.h"

#include "descriptions/PluginDescriptionService.h"
#include "model/PluginArchitecture.h"
#include "model/PluginInstall.h"
#include "model/PluginRecord.h"
#include "model/Tag.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace CardTexts {

QString categoryText(const QString& name, const QString& publisher, const QString& recordCategory)
{
    const auto entry = PluginDescriptionService::shared().lookup(name, publisher);
    const QString category = entry ? entry->category : recordCategory;
    return category.isEmpty() ? QStringLiteral("Effect") : category;
}

QString subtitleText(const QString& name, const QString& publisher, const QString& recordCategory)
{
    const QString category = categoryText(name, publisher, recordCategory);
    return publisher.isEmpty() ? category : category + QStringLiteral(" \u00B7 ") + publisher;
}

QString aboutText(const QString& name, const QString& publisher, const QString& bundleDescription)
{
    if (const auto entry = PluginDescriptionService::shared().lookup(name, publisher))
        return entry->description;
    return bundleDescription;
}

bool showsRosetta(const QStringList& architectures)
{
    return !architectures.contains(rawValue(PluginArchitecture::arm64)) &&
           architectures.contains(rawValue(PluginArchitecture::x86_64));
}

QList<PluginInstall*> orderedInstalls(const PluginRecord* record)
{
    if (!record)
        return {};
    QList<PluginInstall*> installs = record->installs();
    std::stable_sort(installs.begin(), installs.end(), [](const PluginInstall* a, const PluginInstall* b) {
        if (a->isFound() != b->isFound())
            return a->isFound();
        return canonicalIndex(a->format()) < canonicalIndex(b->format());
    });
    return installs;
}

QStringList sortedTagNames(const PluginRecord* record)
{
    QStringList names;
    if (!record)
        return names;
    for (const Tag* tag : record->tags())
        names.append(tag->name());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace CardTexts
