#include "store/ScannedPluginRow.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(ScannedPluginRowTest, WritesStoredTextsRowDatesAndAFileStyleSize) {
    ScannedPlugin plugin;
    plugin.name = QStringLiteral("Reverb VST3");
    plugin.publisher = QStringLiteral("Valhalla DSP, LLC");
    plugin.version = QStringLiteral("1.2.3");
    plugin.format = PluginFormat::vst3;
    plugin.architecture = PluginArchitecture::universal;
    plugin.filePath = QStringLiteral("/Library/Audio/Plug-Ins/VST3/Reverb.vst3");
    plugin.bundleID = QStringLiteral("com.valhalla.reverb");
    plugin.fileSize = 1'500'000;
    plugin.dateModified = QDateTime(QDate(2026, 12, 5), QTime(12, 0), Qt::UTC);
    plugin.installDate = QDateTime(QDate(1999, 3, 17), QTime(12, 0), Qt::UTC);
    plugin.category = QStringLiteral("Effect");

    const RawPlugin row = rawPluginFromScanned(plugin);
    EXPECT_EQ(row.name, QStringLiteral("Reverb VST3"));
    EXPECT_EQ(row.publisher, QStringLiteral("Valhalla DSP, LLC"));
    EXPECT_EQ(row.version, QStringLiteral("1.2.3"));
    EXPECT_EQ(row.type, QStringLiteral("VST3"));
    EXPECT_EQ(row.archs, QStringLiteral("Universal"));
    EXPECT_EQ(row.dated, QStringLiteral("5-Dec-26"));
    EXPECT_EQ(row.installed, QStringLiteral("17-Mar-99"));
    EXPECT_EQ(row.size, QStringLiteral("1.5 MB"));
    EXPECT_EQ(row.pluginID, QStringLiteral("com.valhalla.reverb"));
    EXPECT_EQ(row.path, QStringLiteral("/Library/Audio/Plug-Ins/VST3/Reverb.vst3"));
}

TEST(ScannedPluginRowTest, FormatAndArchitectureAreTheirRawValues) {
    ScannedPlugin plugin;
    plugin.format = PluginFormat::au;
    plugin.architecture = PluginArchitecture::unknown;
    plugin.fileSize = 0;
    RawPlugin row = rawPluginFromScanned(plugin);
    EXPECT_EQ(row.type, QStringLiteral("AU"));
    EXPECT_EQ(row.archs, QStringLiteral("Unknown"));
    EXPECT_EQ(row.size, QStringLiteral("Zero KB"));

    plugin.format = PluginFormat::clap;
    plugin.architecture = PluginArchitecture::x86_64;
    row = rawPluginFromScanned(plugin);
    EXPECT_EQ(row.type, QStringLiteral("CLAP"));
    EXPECT_EQ(row.archs, QStringLiteral("Intel 64"));
}

} // namespace
