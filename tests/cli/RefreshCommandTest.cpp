#include "CatalogTree.h"
#include "CliRun.h"
#include "support/QtPrinters.h"

#include "model/CatalogStore.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>

namespace {

class RefreshCommandTest : public CatalogTree {
protected:
    void SetUp() override {
        CatalogTree::SetUp();
        writeTree();
        ASSERT_EQ(run({QStringLiteral("grant"), path(QStringLiteral("Plugins"))}).exitCode, 0);
        ASSERT_EQ(run({QStringLiteral("add-content"), path(QStringLiteral("Content"))}).exitCode, 0);
    }

    QJsonObject refreshJson() const {
        const CliRun refreshed = run({QStringLiteral("refresh"), QStringLiteral("--json")});
        EXPECT_EQ(refreshed.exitCode, 0) << refreshed.err.toStdString();
        return jsonObject(refreshed.out);
    }

    static int number(const QJsonObject& object, const char* key) {
        return object.value(QLatin1StringView(key)).toInt(-1);
    }

    std::unique_ptr<CatalogStore> openStore() const {
        QString error;
        auto opened = CatalogStore::open(store(), &error);
        EXPECT_TRUE(opened) << error.toStdString();
        return opened;
    }
};

// The first refresh in text, changes then totals; a second, with nothing changed on disk, in JSON.
TEST_F(RefreshCommandTest, FirstRefreshFindsTheBundlesAndLibrariesAndASecondNothingNew) {
    const CliRun refreshed = run({QStringLiteral("refresh")});
    EXPECT_EQ(refreshed.exitCode, 0);
    EXPECT_EQ(refreshed.err, QString());
    const QStringList lines = refreshed.out.split(u'\n');
    ASSERT_GE(lines.size(), 8);
    EXPECT_EQ(lines.mid(0, 6), (QStringList{"New plug-ins:               3", "New installs:               3",
                                            "Installs now missing:       0", "Installs found again:       0", "",
                                            "Plug-ins:                   3"}));
    EXPECT_TRUE(lines[6].startsWith(QStringLiteral("Installs found:             3  "))) << lines[6].toStdString();
    EXPECT_EQ(lines[7], QStringLiteral("Content libraries:          2  300 bytes"));

    QJsonObject second = refreshJson();
    EXPECT_GE(second.take(QStringLiteral("pluginBytes")).toInteger(), 3'000'000);
    EXPECT_EQ(second, (QJsonObject{{"newPlugins", 0}, {"newInstalls", 0}, {"installsMissing", 0},
                                   {"installsFoundAgain", 0}, {"duplicatesMerged", 0}, {"plugins", 3},
                                   {"installs", 3}, {"contentLibraries", 2}, {"contentBytes", 300},
                                   {"missingPaths", QJsonArray()}, {"foundAgainPaths", QJsonArray()}}));

    const auto catalogue = openStore();
    QStringList names;
    for (const PluginRecord* record : catalogue->records())
        names.append(record->name());
    names.sort();
    EXPECT_EQ(names, (QStringList{QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Gamma")}));
}

TEST_F(RefreshCommandTest, DeletedBundleIsMissingThenFoundAgain) {
    ASSERT_EQ(refreshJson().value(QStringLiteral("installs")).toInt(), 3);
    const QString beta = path(QStringLiteral("Plugins/Beta.vst3"));
    ASSERT_TRUE(QDir().rename(beta, path(QStringLiteral("Beta.vst3.aside"))));

    const CliRun missing = run({QStringLiteral("refresh")});
    EXPECT_EQ(missing.exitCode, 0);
    EXPECT_TRUE(missing.out.contains(QStringLiteral("Installs now missing:       1\n    %1\n").arg(beta)))
        << missing.out.toStdString();
    EXPECT_TRUE(missing.out.contains(QStringLiteral("\nPlug-ins:                   2\n"))) << missing.out.toStdString();

    // Found again and no new install: the missing one was kept in the catalogue.
    ASSERT_TRUE(QDir().rename(path(QStringLiteral("Beta.vst3.aside")), beta));
    const QJsonObject back = refreshJson();
    EXPECT_EQ(number(back, "installsFoundAgain"), 1);
    EXPECT_EQ(back.value(QStringLiteral("foundAgainPaths")).toArray(), QJsonArray{beta});
    EXPECT_EQ(number(back, "newInstalls"), 0);
    EXPECT_EQ(number(back, "installsMissing"), 0);
    EXPECT_EQ(number(back, "installs"), 3);
}

// Another run of the program removes the content root while this refresh scans: the refresh must
// neither write the removed root's libraries back nor fail the plug-ins it found.
TEST_F(RefreshCommandTest, ContentRootRemovedDuringARefreshStaysRemoved) {
    refreshJson();
    CliRun removal;
    QTimer::singleShot(0, [&] { removal = run({QStringLiteral("remove-content"), path(QStringLiteral("Content"))}); });
    const CliRun refreshed = run({QStringLiteral("refresh")});
    EXPECT_EQ(removal.exitCode, 0) << removal.err.toStdString();
    EXPECT_EQ(removal.out, QStringLiteral("Removed the content folder %1 and its 2 libraries\n").arg(path(QStringLiteral("Content"))));
    EXPECT_EQ(refreshed.exitCode, 0) << refreshed.err.toStdString();

    {
        const auto catalogue = openStore();
        EXPECT_TRUE(catalogue->contentFolders().isEmpty());
        EXPECT_TRUE(catalogue->contentItems().isEmpty());
        EXPECT_EQ(catalogue->records().size(), 3);
    }
    const QJsonObject again = refreshJson();
    EXPECT_EQ(number(again, "contentLibraries"), 0);
    EXPECT_EQ(number(again, "plugins"), 3);
}

TEST(DemoCommand, CataloguesTheSampleLibraryInTheDataFolder) {
    QTemporaryDir data;
    ASSERT_TRUE(data.isValid());
    const QByteArray previous = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const CliRun first = runCli({QStringLiteral("demo")});
    const CliRun second = runCli({QStringLiteral("demo")});
    // A sample library of an earlier layout (no stamp) is written again, whole.
    const QString library = dataFolder + QStringLiteral("/demo-library");
    QFile::remove(library + QStringLiteral("/.sample-library-layout"));
    QDir(library + QStringLiteral("/usr")).removeRecursively();
    const CliRun third = runCli({QStringLiteral("demo")});
    if (previous.isEmpty())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", previous);

    ASSERT_TRUE(dataFolder.startsWith(data.path()));
    EXPECT_EQ(first.exitCode, 0) << first.err.toStdString();
    // Diagnostic lines of the refresh, if any, come before the list.
    const QRegularExpression header(QStringLiteral("^Zuzuze Vizozod \\d+ plugins$"),
                                    QRegularExpression::MultilineOption);
    const qsizetype listStart = first.out.indexOf(header);
    ASSERT_GE(listStart, 0) << first.out.toStdString();
    EXPECT_TRUE(first.out.contains(QStringLiteral("\nPlug-ins:  "))) << first.out.toStdString();
    EXPECT_TRUE(first.out.contains(QStringLiteral("Sample library: %1/demo-library\n").arg(dataFolder)));
    EXPECT_TRUE(QFileInfo::exists(dataFolder + QStringLiteral("/demo-catalog.sqlite")));
    EXPECT_FALSE(QFileInfo::exists(dataFolder + QStringLiteral("/demo-library.partial")));
    // The second run reuses the library and its catalogue and finds the same.
    EXPECT_EQ(second.exitCode, 0) << second.err.toStdString();
    EXPECT_EQ(second.out.mid(second.out.indexOf(header)), first.out.mid(listStart));
    EXPECT_FALSE(second.err.contains(QStringLiteral("Writing the sample library")));
    EXPECT_EQ(third.exitCode, 0) << third.err.toStdString();
    EXPECT_TRUE(third.err.contains(QStringLiteral("Writing the sample library")));
    EXPECT_TRUE(QFileInfo(library + QStringLiteral("/usr/lib/lv2")).isDir());
    EXPECT_FALSE(QFileInfo::exists(library + QStringLiteral(".previous")));
    EXPECT_EQ(third.out.mid(third.out.indexOf(header)), first.out.mid(listStart));
}

} // namespace
