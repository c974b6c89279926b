#pragma once

#include <QList>

class PluginInstall;
class PluginRecord;

// One line of a flat export: an install with the record it belongs to.
struct ExportInstallRow {
    const PluginRecord* record = nullptr;
    const PluginInstall* install = nullptr;
};

// The order of the flat exports (CSV, JSON): records by name with the locale-aware,
// case-insensitive comparison, each record's installs, found or not, by format label in code-point
// order (AAX, AU, CLAP, VST, VST3). Both sorts are stable.
namespace ExportInstallRows {
[[nodiscard]] QList<ExportInstallRow> rows(const QList<PluginRecord*>& records);
}
