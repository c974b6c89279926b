#pragma once

#include "model/PluginFormat.h"

#include <QHashFunctions>
#include <QString>

// Identity of one install: the bundle's path (exact, case-sensitive) and its format.
struct InstallKey {
    QString filePath;
    PluginFormat format = PluginFormat::au;

    bool operator==(const InstallKey&) const = default;
};

inline size_t qHash(const InstallKey& key, size_t seed = 0) noexcept
{
    return qHashMulti(seed, key.filePath, key.format);
}
