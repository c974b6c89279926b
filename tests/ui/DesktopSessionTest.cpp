#include "ui/DesktopApp.h"
#include "ui/DesktopSession.h"
#include "ui/ZuzuzeVizozodApp.h"

#include <QFile>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(DesktopSessionTest, DisplayAvailability)
{
    struct Case {
        QByteArray platform, display, wayland;
        bool expected;
    };
    const QList<Case> cases{
        {"offscreen", ":0", {}, false}, {"minimal", {}, {}, false}, {"xcb", {}, {}, true},
        {{}, ":1", {}, true},           {{}, {}, "wayland-0", true}, {{}, {}, {}, false},
    };
    const char* names[] = {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"};
    QList<std::optional<QByteArray>> saved;
    for (const char* name : names)
        saved.append(qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
    const auto set = [](const char* name, const std::optional<QByteArray>& value) {
        if (value && !value->isNull())
            qputenv(name, *value);
        else
            qunsetenv(name);
    };
    for (const Case& c : cases) {
        for (int i = 0; i < 3; ++i)
            set(names[i], QList<QByteArray>{c.platform, c.display, c.wayland}[i]);
        EXPECT_EQ(DesktopApp::displayAvailable(), c.expected) << c.platform.constData() << "|" << c.display.constData();
    }
    for (int i = 0; i < 3; ++i)
        set(names[i], saved[i]);
}

TEST(DesktopSessionTest, AStoreThatCannotBeOpenedIsReported)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("not-a-catalogue.sqlite"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("This is a text file, not a catalogue.\n");
    file.close();

    DesktopSession session(DesktopOptions{path, ScanRoots{folder.path(), folder.path()}, false, {}});
    QString error;
    EXPECT_FALSE(session.start(&error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Failed to create ModelContainer: "))) << error.toStdString();
    EXPECT_GT(error.size(), QStringLiteral("Failed to create ModelContainer: ").size());
    EXPECT_EQ(session.app(), nullptr);
}

TEST(DesktopSessionTest, OpensOneWindowOnTheLibraryScansNothingAndRefreshesEveryWindow)
{
    QTemporaryDir folder;
    DesktopSession session(
        DesktopOptions{folder.filePath(QStringLiteral("c.sqlite")), ScanRoots{folder.path(), folder.path()}, false, {}});
    QString error;
    ASSERT_TRUE(session.start(&error)) << error.toStdString();
    ASSERT_EQ(session.app()->windowCount(), 1);
    QQuickWindow* window = session.app()->windows().first();
    EXPECT_EQ(window->size(), QSize(880, 640));
    EXPECT_EQ(window->minimumSize(), QSize(700, 600));
    EXPECT_EQ(window->property("selectedTab").toString(), QStringLiteral("Library"));
    EXPECT_EQ(window->title(), QStringLiteral("Zuzuze Vizozod 0 plugins"));
    QObject* pluginStore = window->property("pluginStore").value<QObject*>();
    ASSERT_NE(pluginStore, nullptr);
    QTest::qWait(50);
    EXPECT_FALSE(pluginStore->property("isScanning").toBool());
    EXPECT_FALSE(pluginStore->property("lastScanDate").toDateTime().isValid());

    // File ▸ Refresh Library refreshes every window.
    ASSERT_NE(session.app()->newWindow(), nullptr);
    ASSERT_EQ(session.app()->windowCount(), 2);
    QList<QObject*> stores;
    for (QQuickWindow* window : session.app()->windows())
        stores.append(window->property("pluginStore").value<QObject*>());
    ASSERT_NE(stores[0], stores[1]);
    session.app()->refreshLibrary();
    for (QObject* store : stores)
        EXPECT_TRUE(store->property("isScanning").toBool());
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return !stores[0]->property("isScanning").toBool() && !stores[1]->property("isScanning").toBool();
    }));
}

} // namespace
