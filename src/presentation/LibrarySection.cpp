#include "presentation/LibrarySection.h"

#include <QVariantList>

QVariantMap LibrarySection::toVariantMap() const
{
    QVariantList groupMaps;
    groupMaps.reserve(groups.size());
    for (const PluginGroup& group : groups)
        groupMaps.append(pluginGroupVariantMap(group));
    return {{QStringLiteral("header"), header}, {QStringLiteral("groups"), groupMaps}};
}

QVariantMap pluginGroupVariantMap(const PluginGroup& group)
{
    return {{QStringLiteral("id"), group.id},
            {QStringLiteral("name"), group.name},
            {QStringLiteral("publisher"), group.publisher},
            {QStringLiteral("version"), group.version},
            {QStringLiteral("formats"), group.formats},
            {QStringLiteral("architectures"), group.architectures},
            {QStringLiteral("dated"), group.dated},
            {QStringLiteral("installed"), group.installed},
            {QStringLiteral("totalSize"), group.totalSize},
            {QStringLiteral("totalSizeBytes"), group.totalSizeBytes},
            {QStringLiteral("pluginIDs"), group.pluginIDs},
            {QStringLiteral("paths"), group.paths},
            {QStringLiteral("isFavorite"), group.isFavorite}};
}
