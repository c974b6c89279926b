#pragma once

#include "presentation/PluginGroup.h"

#include <QList>
#include <QString>
#include <QVariantMap>

// One titled run of the library list.
struct LibrarySection {
    QString header;
    QList<PluginGroup> groups;

    bool operator==(const LibrarySection&) const = default;

    // {header, groups: [group maps]}, for QML and JSON.
    [[nodiscard]] QVariantMap toVariantMap() const;
};

// Every field of the group under its own name; the architectures as a sorted list.
[[nodiscard]] QVariantMap pluginGroupVariantMap(const PluginGroup& group);
