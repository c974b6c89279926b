#include "CatalogTree.h"
#include "CliRun.h"
#include "support/QtPrinters.h"

#include "model/CatalogStore.h"

#include <QJsonArray>

#include <optional>

namespace {

class FolderGrantCommandsTest : public CatalogTree {};

// The folder commands on one catalogue, step by step, each telling exactly what it did: paths
// cleaned and absolute, a second grant renewing the first, refusals beside the grants that went
// through, a folder that has gone still revocable, a content folder removed with its libraries.
TEST_F(FolderGrantCommandsTest, EachStepTellsExactlyWhatItDid) {
    writeTree();
    writeFile(QStringLiteral("Other/Spitfire Audio/Strings/s.wav"), 50);
    const QString plugins = path(QStringLiteral("Plugins"));
    const QString drive = path(QStringLiteral("Drive"));
    const QString content = path(QStringLiteral("Content"));
    const QString other = path(QStringLiteral("Other"));
    const QString container = path(QStringLiteral("Library/Containers/com.acme.Host/Data/Library/Audio/Plug-Ins"));
    ASSERT_TRUE(QDir().mkpath(container));
    ASSERT_TRUE(QDir().mkpath(drive));
    const QString me = QStringLiteral("zuzuze-vizozod: ");
    struct Step {
        QStringList arguments;
        int exitCode;
        std::optional<QString> out; // unchecked when empty
        QString err;
    };
    const QList<Step> steps{
        {{"folders"}, 0,
         "Plug-in folders\n  None granted; grant some with \"zuzuze-vizozod grant FOLDER...\".\n\nContent folders\n"
         "  None added; add some with \"zuzuze-vizozod add-content FOLDER...\".\n",
         {}},
        {{"grant", plugins + u'/', drive + QStringLiteral("/../Drive")}, 0,
         QStringLiteral("Granted %1\nGranted %2\n").arg(plugins, drive), {}},
        {{"grant", plugins, plugins}, 0, QStringLiteral("Renewed the grant for %1\n").arg(plugins).repeated(2), {}},
        {{"grant", container, path(QStringLiteral("Missing")), plugins}, 1,
         QStringLiteral("Renewed the grant for %1\n").arg(plugins),
         me + container + QStringLiteral(" is a sandbox container's own plug-in folder, which is never scanned; not "
                                         "granted.\n") +
             me + QStringLiteral("there is no folder at %1; not granted.\n").arg(path(QStringLiteral("Missing")))},
        {{"revoke", drive, other}, 1, QStringLiteral("Revoked the grant for %1\n").arg(drive),
         me + other + QStringLiteral(" is not granted.\n")},
        {{"add-content", content, other}, 0,
         QStringLiteral("Added the content folder %1\nAdded the content folder %2\n").arg(content, other), {}},
        {{"add-content", other}, 0, QStringLiteral("Renewed the content folder %1\n").arg(other), {}},
        {{"refresh"}, 0, {}, {}},
        {{"remove-content", content, path(QStringLiteral("Nowhere"))}, 1,
         QStringLiteral("Removed the content folder %1 and its 2 libraries\n").arg(content),
         me + path(QStringLiteral("Nowhere")) + QStringLiteral(" is not a content folder.\n")},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.arguments.join(u' ').toStdString());
        if (step.arguments.first() == QStringLiteral("revoke")) {
            ASSERT_TRUE(QDir(drive).removeRecursively());
        }
        const CliRun result = run(step.arguments);
        EXPECT_EQ(result.exitCode, step.exitCode);
        if (step.out) {
            EXPECT_EQ(result.out, *step.out);
        }
        EXPECT_EQ(result.err, step.err);
    }

    const CliRun listed = run({QStringLiteral("folders"), QStringLiteral("--json")});
    EXPECT_EQ(listed.exitCode, 0) << listed.err.toStdString();
    const QJsonObject object = jsonObject(listed.out);
    EXPECT_EQ(object.keys(), (QStringList{QStringLiteral("contentFolders"), QStringLiteral("grants")}));
    const QJsonArray grants = object.value(QStringLiteral("grants")).toArray();
    ASSERT_EQ(grants.size(), 1);
    QJsonObject grant = grants[0].toObject();
    EXPECT_GE(grant.take(QStringLiteral("bytes")).toInteger(), 3'000'000);
    EXPECT_EQ(grant, (QJsonObject{{"path", plugins}, {"standardLocation", false}, {"status", "found"}, {"installs", 3}}));
    const QJsonArray folders = object.value(QStringLiteral("contentFolders")).toArray();
    ASSERT_EQ(folders.size(), 1);
    QJsonObject folder = folders[0].toObject();
    EXPECT_TRUE(folder.take(QStringLiteral("lastScannedAt")).isString());
    EXPECT_EQ(folder, (QJsonObject{{"path", other}, {"name", "Other"}, {"publisher", "Other"}, {"status", "found"}, {"libraries", 1},
                                   {"bytes", 50}}));

    const CliRun table = run({QStringLiteral("folders")});
    EXPECT_EQ(table.exitCode, 0);
    EXPECT_TRUE(table.out.startsWith(QStringLiteral("Plug-in folders\nPath")));
    EXPECT_TRUE(table.out.contains(QStringLiteral("\nContent folders\nPath"))) << table.out.toStdString();
}

TEST_F(FolderGrantCommandsTest, AFileThatIsNoCatalogueIsRefusedAndLeftAlone) {
    QFile file(store());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a catalogue\n");
    file.close();
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("Plugins"))));
    // The four folder-editing commands share one run: grant stands for them.
    const QList<QStringList> commands{{QStringLiteral("grant"), path(QStringLiteral("Plugins"))},
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

} // namespace
