#pragma once

#include "discovery/ScanRoots.h"
#include "model/PluginFormat.h"

#include <QList>
#include <QString>

#include <optional>

// A folder that holds plug-ins of one format by convention: a .so found in it is of that format.
struct PluginFolder {
    QString path;
    PluginFormat format;
    QString explanation;

    bool operator==(const PluginFolder&) const = default;
};

// The Linux and Wine plug-in folders of a system and home, and those the environment names, in a
// fixed order, each path once. Only folders that exist are listed; nothing is walked.
namespace LinuxPluginFolders {

[[nodiscard]] QList<PluginFolder> existing(const ScanRoots& roots);

// The format of the folder among `folders` that holds `path` most closely, if any.
[[nodiscard]] std::optional<PluginFormat> formatOf(const QList<PluginFolder>& folders, const QString& path);

} // namespace LinuxPluginFolders
