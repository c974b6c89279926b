#pragma once

#include "model/RawValueEnum.h"

enum class PluginFormat : quint8 { au, vst, vst3, aax, clap, lv2, ladspa };

template <> struct RawValues<PluginFormat> {
    static constexpr std::array<std::pair<PluginFormat, const char*>, 7> table{{{PluginFormat::au, "AU"}, {PluginFormat::vst, "VST"}, {PluginFormat::vst3, "VST3"}, {PluginFormat::aax, "AAX"}, {PluginFormat::clap, "CLAP"}, {PluginFormat::lv2, "LV2"}, {PluginFormat::ladspa, "LADSPA"}}};
};

inline size_t qHash(PluginFormat value, size_t seed = 0) noexcept { return qHash(quint8(value), seed); }
