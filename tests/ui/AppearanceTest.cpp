#include "ui/ZuzuzeVizozodApp.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class AppearanceTest : public testing::Test {
protected:
    void SetUp() override
    {
        QString error;
        m_store = CatalogStore::open(m_folder.filePath(QStringLiteral("c.sqlite")), &error);
        ASSERT_TRUE(m_store) << error.toStdString();
    }

    std::unique_ptr<ZuzuzeVizozodApp> makeApp()
    {
        return std::make_unique<ZuzuzeVizozodApp>(*m_store, ScanRoots{}, settingsPath());
    }
    QString settingsPath() const { return m_folder.filePath(QStringLiteral("settings.ini")); }

    QTemporaryDir m_folder;
    std::unique_ptr<CatalogStore> m_store;
};

TEST_F(AppearanceTest, DarkLightAndEverythingElseFollowsTheSystem)
{
    for (bool system : {false, true}) {
        EXPECT_TRUE(ZuzuzeVizozodApp::isDarkFor(QStringLiteral("dark"), system));
        EXPECT_FALSE(ZuzuzeVizozodApp::isDarkFor(QStringLiteral("light"), system));
        EXPECT_EQ(ZuzuzeVizozodApp::isDarkFor(QStringLiteral("auto"), system), system);
        EXPECT_EQ(ZuzuzeVizozodApp::isDarkFor(QStringLiteral("sepia"), system), system);
        EXPECT_EQ(ZuzuzeVizozodApp::isDarkFor(QStringLiteral("Dark"), system), system);
        EXPECT_EQ(ZuzuzeVizozodApp::isDarkFor(QString(), system), system);
    }
}

TEST_F(AppearanceTest, FirstLaunchIsDark)
{
    const auto app = makeApp();
    EXPECT_EQ(app->appearanceMode(), QStringLiteral("dark"));
    EXPECT_TRUE(app->isDark());
}

TEST_F(AppearanceTest, AChoiceIsStoredAtOnceAndReadBack)
{
    {
        const auto app = makeApp();
        QSignalSpy darkChanges(app.get(), &ZuzuzeVizozodApp::isDarkChanged);
        app->setAppearanceMode(QStringLiteral("light"));
        EXPECT_FALSE(app->isDark());
        EXPECT_EQ(darkChanges.count(), 1);
        EXPECT_EQ(QSettings(settingsPath(), QSettings::IniFormat).value(QStringLiteral("appearanceMode")).toString(),
                  QStringLiteral("light"));
    }
    EXPECT_EQ(makeApp()->appearanceMode(), QStringLiteral("light"));
}

TEST_F(AppearanceTest, AnUnknownStoredValueBehavesAsAuto)
{
    QSettings(settingsPath(), QSettings::IniFormat).setValue(QStringLiteral("appearanceMode"), QStringLiteral("sepia"));
    const auto app = makeApp();
    EXPECT_EQ(app->appearanceMode(), QStringLiteral("sepia"));
    const bool unknown = app->isDark();
    app->setAppearanceMode(QStringLiteral("auto"));
    const bool automatic = app->isDark();
    app->setAppearanceMode(QStringLiteral("dark"));
    EXPECT_TRUE(app->isDark());
    EXPECT_EQ(unknown, automatic);
    app->setAppearanceMode(QStringLiteral("sepia"));
    EXPECT_EQ(app->isDark(), automatic);
}

TEST_F(AppearanceTest, RefreshLibraryReachesEveryListener)
{
    const auto app = makeApp();
    QSignalSpy requests(app.get(), &ZuzuzeVizozodApp::refreshLibraryRequested);
    app->refreshLibrary();
    EXPECT_EQ(requests.count(), 1);
    EXPECT_EQ(ZuzuzeVizozodApp::notificationName(), QStringLiteral("ZuzuzeVizozod.refreshLibrary"));
}

} // namespace
