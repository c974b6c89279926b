#pragma once

#include "model/PluginFormat.h"

#include <QHashFunctions>
#include <QString>

// Identity of one install: the bundle's path (exact, case-sensitive), its format and, for a
// bundle holding several plug-ins, which one (empty for every macOS bundle).
struct InstallKey {
    QString filePath;
    PluginFormat format = PluginFormat::au;
    QString pluginIdentifier;

    bool operator==(const InstallKey&) const = default;
};

inline size_t qHash(const InstallKey& key, size_t seed = 0) noexcept
{
    return qHashMulti(seed, key.filePath, key.format, key.pluginIdentifier);
}
