#include "ScanFixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class StandardLocationsTest : public ScanFixture {};

TEST_F(StandardLocationsTest, OnlyExistingLocationsInTableOrderAndByExactPath)
{
    const PluginScanner scanner(m_roots);
    EXPECT_TRUE(scanner.standardLocations().isEmpty());
    EXPECT_FALSE(scanner.isStandardLocation(sys(plugIns))); // not there yet
    ASSERT_TRUE(QDir().mkpath(home(avid)));
    ASSERT_TRUE(QDir().mkpath(sys(plugIns)));
    const QList<StandardLocation> expected{
        {sys(plugIns), u"System Audio Plug-Ins folder — covers AU, VST, VST3, and CLAP"_s},
        {home(avid), u"User Avid folder — catches account-only AAX plugins"_s},
    };
    EXPECT_EQ(scanner.standardLocations(), expected);

    ASSERT_TRUE(QDir().mkpath(home(plugIns)));
    ASSERT_TRUE(QDir().mkpath(sys(avid)));
    const QList<StandardLocation> all = scanner.standardLocations();
    ASSERT_EQ(all.size(), 4);
    EXPECT_EQ(all.at(1),
              (StandardLocation{
                  home(plugIns),
                  u"User Audio Plug-Ins folder — catches plugins installed only for your account"_s}));
    EXPECT_EQ(all.at(2), (StandardLocation{sys(avid), u"System Avid folder — covers AAX"_s}));

    // A standard location is an exact path match.
    EXPECT_TRUE(scanner.isStandardLocation(sys(plugIns)));
    EXPECT_FALSE(scanner.isStandardLocation(sys(plugIns) + u'/'));
    EXPECT_FALSE(scanner.isStandardLocation(sys(plugIns) + u"/VST3"_s));
    EXPECT_FALSE(scanner.isStandardLocation(sys(u"/Library/Audio"_s)));
}

TEST(PluginScanner, ContainerPluginFolderTest)
{
    const std::pair<const char*, bool> table[] = {
        {"/Users/a/Library/Containers/com.x/Data/Library/Audio/Plug-Ins", true},
        {"/Users/a/Library/Containers/com.x/Data/Library/Application Support/Avid/Audio/Plug-Ins", true},
        {"/Users/a/Library/Containers/com.x/Data/Library/Audio/Plug-Ins/VST3", false},
        {"/Users/a/Library/Containers/com.x/Data/Library/Audio/Plug-Ins/", false},
        {"/Users/a/Library/Audio/Plug-Ins", false},
        {"/Users/a/Library/Group Containers/x/Data/Library/Audio/Plug-Ins", false},
        {"/Volumes/B/Library/Containers/Data/Library/Audio/Plug-Ins", true},
        {"", false},
    };
    for (const auto& [path, expected] : table)
        EXPECT_EQ(PluginScanner::isContainerPluginFolder(QString::fromUtf8(path)), expected) << path;
}

} // namespace
