#pragma once

#include "model/PluginArchitecture.h"
#include "model/PluginFormat.h"

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

    bool operator==(const ScannedPlugin&) const = default;
};
