#pragma once

#include <QString>
#include <QStringList>

// One display entry: every found install whose name cleans to the same key, whatever its record,
// format or folder.
struct PluginGroup {
    QString id;
    QString name;
    QString publisher;
    QString version;
    // AU, VST, VST3, AAX, CLAP, then any other label.
    QStringList formats;
    // Distinct labels, kept sorted so that equal groups compare equal.
    QStringList architectures;
    QString dated;
    QString installed;
    QString totalSize;
    qint64 totalSizeBytes = 0;
    QStringList pluginIDs;
    QStringList paths;
    bool isFavorite = false;

    bool operator==(const PluginGroup&) const = default;
};
