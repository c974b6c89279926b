#pragma once

#include "discovery/ScannedPlugin.h"

#include <QList>
#include <QString>

// How scanned plug-ins are printed: an aligned table for people, JSON for programs.
namespace ScannedPluginText {
QString table(const QList<ScannedPlugin>& plugins);
// One array of objects whose keys are the field names, in field order.
QString json(const QList<ScannedPlugin>& plugins);
} // namespace ScannedPluginText
