#pragma once

#include "discovery/ScannedPlugin.h"
#include "discovery/UnreadableFolder.h"

#include <QList>

// What one scan found: at most one plug-in per bundle path and identifier, in path order, and the
// folders it could not list, in walk order.
struct PluginScanResult {
    QList<ScannedPlugin> plugins;
    QList<UnreadableFolder> unreadableFolders;
};
