#include "CatalogTree.h"
#include "CliRun.h"
#include "support/QtPrinters.h"

#include "discovery/FolderBookmark.h"
#include "model/CatalogStore.h"

#include <QJsonArray>

namespace {

class FolderGrantCommandsTest : public CatalogTree {
protected:
    CliRun run(QStringList arguments) const {
        arguments.prepend(store());
        arguments.prepend(QStringLiteral("--store"));
        return runCli(arguments);
    }

    std::unique_ptr<CatalogStore> openStore() const {
        QString error;
        auto opened = CatalogStore::open(store(), &error);
        EXPECT_TRUE(opened) << error.toStdString();
        return opened;
    }
};

TEST_F(FolderGrantCommandsTest, GrantStoresOneGrantPerCleanedAbsolutePath) {
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("Plugins"))));
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("Drive"))));
    const CliRun granted = run({QStringLiteral("grant"), path(QStringLiteral("Plugins/")),
                                path(QStringLiteral("Drive/../Drive"))});
    EXPECT_EQ(granted.exitCode, 0) << granted.err.toStdString();
    EXPECT_EQ(granted.out, QStringLiteral("Granted %1\nGranted %2\n")
                               .arg(path(QStringLiteral("Plugins")), path(QStringLiteral("Drive"))));
    EXPECT_EQ(granted.err, QString());

    const auto catalogue = openStore();
    ASSERT_EQ(catalogue->scanBookmarks().size(), 2);
    EXPECT_EQ(catalogue->scanBookmarks()[0]->path(), path(QStringLiteral("Plugins")));
    EXPECT_EQ(catalogue->scanBookmarks()[0]->bookmarkData(), FolderBookmark::create(path(QStringLiteral("Plugins"))));
    EXPECT_EQ(catalogue->scanBookmarks()[1]->path(), path(QStringLiteral("Drive")));
}

TEST_F(FolderGrantCommandsTest, GrantingAgainRenewsTheOneGrant) {
    const QString folder = path(QStringLiteral("Plugins"));
    ASSERT_TRUE(QDir().mkpath(folder));
    {
        QString error;
        auto catalogue = CatalogStore::open(store(), &error);
        ASSERT_TRUE(catalogue);
        catalogue->insert(new ScanBookmark(folder, QByteArray("stale")));
        ASSERT_TRUE(catalogue->save());
    }
    const CliRun again = run({QStringLiteral("grant"), folder, folder});
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_EQ(again.out, QStringLiteral("Renewed the grant for %1\nRenewed the grant for %1\n").arg(folder));

    const auto catalogue = openStore();
    ASSERT_EQ(catalogue->scanBookmarks().size(), 1);
    EXPECT_EQ(catalogue->scanBookmarks()[0]->bookmarkData(), FolderBookmark::create(folder));
}

TEST_F(FolderGrantCommandsTest, ContainerAndMissingFoldersAreRefusedTheOthersGranted) {
    const QString container = path(QStringLiteral("Library/Containers/com.acme.Host/Data/Library/Audio/Plug-Ins"));
    const QString plugins = path(QStringLiteral("Plugins"));
    ASSERT_TRUE(QDir().mkpath(container));
    ASSERT_TRUE(QDir().mkpath(plugins));
    const CliRun granted =
        run({QStringLiteral("grant"), container, path(QStringLiteral("Missing")), plugins});
    EXPECT_EQ(granted.exitCode, 1);
    EXPECT_EQ(granted.err,
              QStringLiteral("zuzuze-vizozod: %1 is a sandbox container's own plug-in folder, which is never "
                             "scanned; not granted.\nzuzuze-vizozod: there is no folder at %2; not granted.\n")
                  .arg(container, path(QStringLiteral("Missing"))));
    EXPECT_EQ(granted.out, QStringLiteral("Granted %1\n").arg(plugins));

    const auto catalogue = openStore();
    ASSERT_EQ(catalogue->scanBookmarks().size(), 1);
    EXPECT_EQ(catalogue->scanBookmarks()[0]->path(), plugins);
}

TEST_F(FolderGrantCommandsTest, RevokeRemovesTheGrantAndTellsUnknownFolders) {
    const QString plugins = path(QStringLiteral("Plugins"));
    const QString drive = path(QStringLiteral("Drive"));
    ASSERT_TRUE(QDir().mkpath(plugins));
    ASSERT_TRUE(QDir().mkpath(drive));
    ASSERT_EQ(run({QStringLiteral("grant"), plugins, drive}).exitCode, 0);
    // A folder that has gone can still be revoked.
    ASSERT_TRUE(QDir(drive).removeRecursively());

    const CliRun revoked = run({QStringLiteral("revoke"), drive, path(QStringLiteral("Other"))});
    EXPECT_EQ(revoked.exitCode, 1);
    EXPECT_EQ(revoked.out, QStringLiteral("Revoked the grant for %1\n").arg(drive));
    EXPECT_EQ(revoked.err,
              QStringLiteral("zuzuze-vizozod: %1 is not granted.\n").arg(path(QStringLiteral("Other"))));

    const auto catalogue = openStore();
    ASSERT_EQ(catalogue->scanBookmarks().size(), 1);
    EXPECT_EQ(catalogue->scanBookmarks()[0]->path(), plugins);
}

TEST_F(FolderGrantCommandsTest, AddContentNamesTheFolderAndRenewsAnExistingOne) {
    const QString root = path(QStringLiteral("Spitfire Audio - 2019"));
    ASSERT_TRUE(QDir().mkpath(root));
    const CliRun added = run({QStringLiteral("add-content"), root});
    EXPECT_EQ(added.exitCode, 0) << added.err.toStdString();
    EXPECT_EQ(added.out, QStringLiteral("Added the content folder %1\n").arg(root));
    {
        const auto catalogue = openStore();
        ASSERT_EQ(catalogue->contentFolders().size(), 1);
        ContentLibraryFolder* folder = catalogue->contentFolders()[0];
        EXPECT_EQ(folder->path(), root);
        EXPECT_EQ(folder->name(), QStringLiteral("Spitfire Audio - 2019"));
        EXPECT_EQ(folder->publisher(), ContentLibraryScanner::contentFolderDisplayName(root));
        EXPECT_EQ(folder->bookmarkData(), FolderBookmark::create(root));
        folder->setStatus(ContentLibraryStatus::notFound);
        ASSERT_TRUE(catalogue->save());
    }
    const CliRun again = run({QStringLiteral("add-content"), root});
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_EQ(again.out, QStringLiteral("Renewed the content folder %1\n").arg(root));
    const auto catalogue = openStore();
    ASSERT_EQ(catalogue->contentFolders().size(), 1);
    EXPECT_EQ(catalogue->contentFolders()[0]->status(), ContentLibraryStatus::found);
}

TEST_F(FolderGrantCommandsTest, RemoveContentTakesItsLibrariesOnly) {
    writeTree();
    writeFile(QStringLiteral("Other/Spitfire Audio/Strings/s.wav"), 50);
    ASSERT_EQ(run({QStringLiteral("add-content"), path(QStringLiteral("Content")), path(QStringLiteral("Other"))})
                  .exitCode,
              0);
    ASSERT_EQ(run({QStringLiteral("refresh")}).exitCode, 0);
    ASSERT_EQ(openStore()->contentItems().size(), 3);

    const CliRun removed =
        run({QStringLiteral("remove-content"), path(QStringLiteral("Content")), path(QStringLiteral("Nowhere"))});
    EXPECT_EQ(removed.exitCode, 1);
    EXPECT_EQ(removed.out,
              QStringLiteral("Removed the content folder %1 and its 2 libraries\n").arg(path(QStringLiteral("Content"))));
    EXPECT_EQ(removed.err, QStringLiteral("zuzuze-vizozod: %1 is not a content folder.\n")
                               .arg(path(QStringLiteral("Nowhere"))));

    const auto catalogue = openStore();
    ASSERT_EQ(catalogue->contentFolders().size(), 1);
    EXPECT_EQ(catalogue->contentFolders()[0]->path(), path(QStringLiteral("Other")));
    ASSERT_EQ(catalogue->contentItems().size(), 1);
    EXPECT_EQ(catalogue->contentItems()[0]->path(), path(QStringLiteral("Other/Spitfire Audio/Strings")));
}

TEST_F(FolderGrantCommandsTest, FoldersListsGrantsAndContentRoots) {
    writeTree();
    ASSERT_EQ(run({QStringLiteral("grant"), path(QStringLiteral("Plugins"))}).exitCode, 0);
    ASSERT_EQ(run({QStringLiteral("add-content"), path(QStringLiteral("Content"))}).exitCode, 0);
    ASSERT_EQ(run({QStringLiteral("refresh")}).exitCode, 0);

    const CliRun listed = run({QStringLiteral("folders"), QStringLiteral("--json")});
    EXPECT_EQ(listed.exitCode, 0) << listed.err.toStdString();
    const QJsonObject object = jsonObject(listed.out);
    EXPECT_EQ(object.keys(), (QStringList{QStringLiteral("contentFolders"), QStringLiteral("grants")}));
    const QJsonArray grants = object.value(QStringLiteral("grants")).toArray();
    ASSERT_EQ(grants.size(), 1);
    const QJsonObject grant = grants[0].toObject();
    EXPECT_EQ(grant.value(QStringLiteral("path")).toString(), path(QStringLiteral("Plugins")));
    EXPECT_EQ(grant.value(QStringLiteral("standardLocation")).toBool(true), false);
    EXPECT_EQ(grant.value(QStringLiteral("status")).toString(), QStringLiteral("found"));
    EXPECT_EQ(grant.value(QStringLiteral("installs")).toInt(), 3);

    const QJsonArray folders = object.value(QStringLiteral("contentFolders")).toArray();
    ASSERT_EQ(folders.size(), 1);
    const QJsonObject folder = folders[0].toObject();
    EXPECT_EQ(folder.value(QStringLiteral("path")).toString(), path(QStringLiteral("Content")));
    EXPECT_EQ(folder.value(QStringLiteral("name")).toString(), QStringLiteral("Content"));
    EXPECT_EQ(folder.value(QStringLiteral("status")).toString(), QStringLiteral("found"));
    EXPECT_EQ(folder.value(QStringLiteral("libraries")).toInt(), 2);
    EXPECT_EQ(folder.value(QStringLiteral("bytes")).toInteger(), 300);
    EXPECT_TRUE(folder.value(QStringLiteral("lastScannedAt")).isString());

    const CliRun table = run({QStringLiteral("folders")});
    EXPECT_EQ(table.exitCode, 0);
    EXPECT_TRUE(table.out.startsWith(QStringLiteral("Plug-in folders\nPath")));
    EXPECT_TRUE(table.out.contains(QStringLiteral("\nContent folders\nPath"))) << table.out.toStdString();
}

TEST_F(FolderGrantCommandsTest, FoldersOfAnEmptyCatalogueSaysHowToAddSome) {
    const CliRun listed = run({QStringLiteral("folders")});
    EXPECT_EQ(listed.exitCode, 0);
    EXPECT_EQ(listed.out, QStringLiteral("Plug-in folders\n"
                                         "  None granted; grant some with \"zuzuze-vizozod grant FOLDER...\".\n"
                                         "\nContent folders\n"
                                         "  None added; add some with \"zuzuze-vizozod add-content FOLDER...\".\n"));
}

TEST_F(FolderGrantCommandsTest, AFileThatIsNoCatalogueIsRefusedAndLeftAlone) {
    QFile file(store());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a catalogue\n");
    file.close();
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("Plugins"))));
    const QList<QStringList> commands{{QStringLiteral("grant"), path(QStringLiteral("Plugins"))},
                                      {QStringLiteral("revoke"), path(QStringLiteral("Plugins"))},
                                      {QStringLiteral("add-content"), path(QStringLiteral("Plugins"))},
                                      {QStringLiteral("remove-content"), path(QStringLiteral("Plugins"))},
                                      {QStringLiteral("folders")},
                                      {QStringLiteral("refresh"), QStringLiteral("--json")}};
    for (const QStringList& command : commands) {
        SCOPED_TRACE(command.first().toStdString());
        const CliRun refused = run(command);
        EXPECT_EQ(refused.exitCode, 1);
        EXPECT_EQ(refused.out, QString());
        EXPECT_TRUE(refused.err.startsWith(QStringLiteral("Failed to create ModelContainer: ")))
            << refused.err.toStdString();
        EXPECT_EQ(refused.err.count(u'\n'), 1);
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("not a catalogue\n"));
}

TEST_F(FolderGrantCommandsTest, MissingFoldersAreUsageErrors) {
    for (const QString& command : {QStringLiteral("grant"), QStringLiteral("revoke"), QStringLiteral("add-content"),
                                   QStringLiteral("remove-content")}) {
        const CliRun bad = run({command});
        EXPECT_EQ(bad.exitCode, 2);
        EXPECT_TRUE(bad.err.startsWith(QStringLiteral("zuzuze-vizozod: %1 needs at least one FOLDER.\n").arg(command)))
            << bad.err.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(store()));
}

} // namespace
