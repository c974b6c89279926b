#pragma once

#include "model/RawValueEnum.h"

enum class PluginArchitecture : quint8 { arm64, x86_64, universal, unknown };

template <> struct RawValues<PluginArchitecture> {
    static constexpr std::array<std::pair<PluginArchitecture, const char*>, 4> table{{{PluginArchitecture::arm64, "Apple Silicon"}, {PluginArchitecture::x86_64, "Intel 64"}, {PluginArchitecture::universal, "Universal"}, {PluginArchitecture::unknown, "Unknown"}}};
};

inline size_t qHash(PluginArchitecture value, size_t seed = 0) noexcept { return qHash(quint8(value), seed); }
