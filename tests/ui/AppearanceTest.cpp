#include "ui/ZuzuzeVizozodApp.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(AppearanceTest, DarkLightAndEverythingElseFollowsTheSystem)
{
    for (bool system : {false, true}) {
        EXPECT_TRUE(ZuzuzeVizozodApp::isDarkFor(QStringLiteral("dark"), system));
        EXPECT_FALSE(ZuzuzeVizozodApp::isDarkFor(QStringLiteral("light"), system));
        for (const QString& other : {QStringLiteral("auto"), QStringLiteral("sepia"), QStringLiteral("Dark"), QString()})
            EXPECT_EQ(ZuzuzeVizozodApp::isDarkFor(other, system), system) << other.toStdString();
    }
}

// Dark at the first launch; a choice is stored at once and is what the next launch starts with,
// and a stored value this version does not know is kept and read as automatic.
TEST(AppearanceTest, FirstLaunchIsDarkAndAChoiceIsKept)
{
    QTemporaryDir folder;
    QString error;
    const auto store = CatalogStore::open(folder.filePath(QStringLiteral("c.sqlite")), &error);
    ASSERT_TRUE(store) << error.toStdString();
    const QString settings = folder.filePath(QStringLiteral("settings.ini"));
    const auto launch = [&] { return std::make_unique<ZuzuzeVizozodApp>(*store, ScanRoots{}, settings); };
    {
        const auto app = launch();
        EXPECT_EQ(app->appearanceMode(), QStringLiteral("dark"));
        EXPECT_TRUE(app->isDark());
        QSignalSpy darkChanges(app.get(), &ZuzuzeVizozodApp::isDarkChanged);
        app->setAppearanceMode(QStringLiteral("light"));
        EXPECT_FALSE(app->isDark());
        EXPECT_EQ(darkChanges.count(), 1);
        EXPECT_EQ(QSettings(settings, QSettings::IniFormat).value(QStringLiteral("appearanceMode")).toString(),
                  QStringLiteral("light"));
    }
    EXPECT_EQ(launch()->appearanceMode(), QStringLiteral("light"));

    QSettings(settings, QSettings::IniFormat).setValue(QStringLiteral("appearanceMode"), QStringLiteral("sepia"));
    const auto app = launch();
    EXPECT_EQ(app->appearanceMode(), QStringLiteral("sepia"));
    const bool unknown = app->isDark();
    app->setAppearanceMode(QStringLiteral("auto"));
    const bool automatic = app->isDark();
    EXPECT_EQ(unknown, automatic);
    app->setAppearanceMode(automatic ? QStringLiteral("light") : QStringLiteral("dark"));
    app->setAppearanceMode(QStringLiteral("sepia"));
    EXPECT_EQ(app->isDark(), automatic);
}

} // namespace
