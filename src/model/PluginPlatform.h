#pragma once

#include "model/RawValueEnum.h"

// The operating system an install's binary is built for; a Windows install on this machine runs
// through Wine or a bridge.
enum class PluginPlatform : quint8 { macOS, linuxNative, windows };

template <> struct RawValues<PluginPlatform> {
    static constexpr std::array<std::pair<PluginPlatform, const char*>, 3> table{
        {{PluginPlatform::macOS, "macOS"}, {PluginPlatform::linuxNative, "Linux"}, {PluginPlatform::windows, "Windows"}}};
};

inline size_t qHash(PluginPlatform value, size_t seed = 0) noexcept { return qHash(quint8(value), seed); }
