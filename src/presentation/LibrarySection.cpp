#include "presentation/LibrarySection.h"

#include "model/PluginPlatform.h"

#include <QVariantList>

namespace {

// The platforms a group's installs are built for, read back from the architecture labels, which
// name the platform of every Linux and Windows install ("ARM 64 (Linux)") and of no Mac one.
QStringList platformsOf(const PluginGroup& group)
{
    QStringList platforms;
    for (PluginPlatform platform : allCases<PluginPlatform>()) {
        const QString name = rawValue(platform);
        const QString suffix = QStringLiteral(" (") + name + u')';
        const bool present = std::any_of(group.architectures.cbegin(), group.architectures.cend(),
                                         [&](const QString& label) {
                                             return platform == PluginPlatform::macOS ? !label.endsWith(u')')
                                                                                      : label.endsWith(suffix);
                                         });
        if (present)
            platforms.append(name);
    }
    return platforms;
}

} // namespace

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
            {QStringLiteral("platforms"), platformsOf(group)},
            {QStringLiteral("dated"), group.dated},
            {QStringLiteral("installed"), group.installed},
            {QStringLiteral("totalSize"), group.totalSize},
            {QStringLiteral("totalSizeBytes"), group.totalSizeBytes},
            {QStringLiteral("pluginIDs"), group.pluginIDs},
            {QStringLiteral("paths"), group.paths},
            {QStringLiteral("isFavorite"), group.isFavorite}};
}
