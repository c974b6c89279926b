#pragma once

#include "model/PluginArchitecture.h"
#include "model/PluginFormat.h"
#include "model/PluginPlatform.h"

#include <QDateTime>
#include <QList>
#include <QString>

// One bundle found on disk, handed from discovery to reconciliation.
struct ScannedPlugin {
    QString name;
    QString publisher;
    QString version;
    PluginFormat format = PluginFormat::au;
    PluginArchitecture architecture = PluginArchitecture::unknown;
    QString filePath;
    QString bundleID;
    qint64 fileSize = 0;
    QDateTime dateModified;
    QDateTime installDate;
    QString category;
    QString bundleDescription;
    QString auComponentType;
    QString auComponentSubType;
    QString auComponentManufacturer;
    PluginPlatform platform = PluginPlatform::macOS;
    // Which plug-in of a bundle that holds several (an LV2 URI, a VST3 class ID); empty otherwise.
    QString pluginIdentifier;
    // A Windows plug-in that a Wine bridge also offers to Linux hosts.
    bool isBridged = false;

    bool operator==(const ScannedPlugin&) const = default;
};
