#include "presentation/RowLabels.h"

QString formatLabel(PluginFormat format)
{
    switch (format) {
    case PluginFormat::au:
        return QStringLiteral("AU");
    case PluginFormat::vst:
        return QStringLiteral("VST");
    case PluginFormat::vst3:
        return QStringLiteral("VST3");
    case PluginFormat::aax:
        return QStringLiteral("AAX");
    case PluginFormat::clap:
        return QStringLiteral("CLAP");
    case PluginFormat::lv2:
        return QStringLiteral("LV2");
    case PluginFormat::ladspa:
        return QStringLiteral("LADSPA");
    }
    return {};
}

QString architectureLabel(PluginArchitecture architecture)
{
    switch (architecture) {
    case PluginArchitecture::arm64:
        return QStringLiteral("Apple Silicon");
    case PluginArchitecture::x86_64:
        return QStringLiteral("Intel 64");
    case PluginArchitecture::universal:
        return QStringLiteral("Apple Silicon, Intel 64");
    case PluginArchitecture::unknown:
        return {};
    case PluginArchitecture::x86:
    case PluginArchitecture::arm64Generic:
    case PluginArchitecture::arm32:
    case PluginArchitecture::arm64ec:
        return rawValue(architecture);
    }
    return {};
}
