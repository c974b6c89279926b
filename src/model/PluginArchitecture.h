#pragma once

#include "model/RawValueEnum.h"

// The first four are the macOS values, stored since the first catalogue; the others say what a
// Linux or Windows file is built for (an aarch64 .so is not Apple Silicon).
enum class PluginArchitecture : quint8 { arm64, x86_64, universal, unknown, x86, arm64Generic, arm32, arm64ec };

template <> struct RawValues<PluginArchitecture> {
    static constexpr std::array<std::pair<PluginArchitecture, const char*>, 8> table{{{PluginArchitecture::arm64, "Apple Silicon"}, {PluginArchitecture::x86_64, "Intel 64"}, {PluginArchitecture::universal, "Universal"}, {PluginArchitecture::unknown, "Unknown"}, {PluginArchitecture::x86, "Intel 32"}, {PluginArchitecture::arm64Generic, "ARM 64"}, {PluginArchitecture::arm32, "ARM 32"}, {PluginArchitecture::arm64ec, "ARM64EC"}}};
};

inline size_t qHash(PluginArchitecture value, size_t seed = 0) noexcept { return qHash(quint8(value), seed); }
