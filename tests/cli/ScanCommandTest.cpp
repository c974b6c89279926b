#include "CatalogTree.h"
#include "discovery/BundleTree.h"
#include "support/QtPrinters.h"

#include "discovery/DirectorySize.h"
#include "model/ByteCountFormat.h"
#include "model/FilePathBytes.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

// Every field of a scanned plug-in, in the order it is written.
const QStringList fieldNames = QStringLiteral("name publisher version format architecture filePath bundleID fileSize "
                                              "dateModified installDate category bundleDescription auComponentType "
                                              "auComponentSubType auComponentManufacturer platform pluginIdentifier "
                                              "isBridged")
                                   .split(u' ');

class ScanCommandTest : public CatalogTree {};

TEST_F(ScanCommandTest, TablePrintsOneAlignedRowPerBundleSortedByPath) {
    BundleTree::bundle(path(QStringLiteral("b/Alpha.vst3")),
                       BundleTree::info(QStringLiteral("Alpha"), QStringLiteral("com.fabfilter.alpha")),
                       ExecutableKind::universalArmIntel);
    BundleTree::bundle(path(QStringLiteral("a/Zeta.vst3")),
                       BundleTree::info(QStringLiteral("Zeta"), QStringLiteral("com.soundtoys.zeta")),
                       ExecutableKind::thinX86_64);
    BundleTree::bundle(path(QStringLiteral("a/Mid.component")),
                       BundleTree::info(QStringLiteral("Mid"), QStringLiteral("com.waves.mid")));
    writeFile(QStringLiteral("a/Mid.component/Contents/Resources/samples.bin"), 1'750'000'000);

    const CliRun run = runCli({QStringLiteral("scan"), path({})});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, QString());
    const QStringList output = run.out.split(u'\n');
    ASSERT_EQ(output.size(), 7) << run.out.toStdString();
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^Name +Publisher +Version +Format +Architecture +Size +Path$"))
            .match(output[0])
            .hasMatch())
        << output[0].toStdString();

    const QStringList expectedPaths{path(QStringLiteral("a/Mid.component")),
                                    path(QStringLiteral("a/Zeta.vst3")),
                                    path(QStringLiteral("b/Alpha.vst3"))};
    const QString starts[] = {QStringLiteral("^Mid +Waves +1\\.0 +AU +Apple Silicon "),
                              QStringLiteral("^Zeta +Soundtoys +1\\.0 +VST3 +Intel 64 "),
                              QStringLiteral("^Alpha +FabFilter +1\\.0 +VST3 +Universal ")};
    const qsizetype pathColumn = output[0].indexOf(QStringLiteral("Path"));
    const qsizetype sizeEnd = output[0].indexOf(QStringLiteral("Size")) + 4;
    for (int i = 0; i < 3; ++i) {
        const QString& row = output[i + 1];
        EXPECT_TRUE(QRegularExpression(starts[i]).match(row).hasMatch()) << row.toStdString();
        EXPECT_EQ(row.mid(pathColumn), expectedPaths[i]);
        const QString size = formatByteCount(directorySize(expectedPaths[i]));
        EXPECT_EQ(row.mid(sizeEnd - size.size(), size.size()), size) << row.toStdString();
    }
    qint64 total = 0;
    for (const QString& bundle : expectedPaths)
        total += directorySize(bundle);
    const QString totals = QStringLiteral("3 plug-in bundles, %1 in total").arg(formatByteCount(total));
    EXPECT_EQ(output.mid(4), (QStringList{QString(), totals, QString()}));
}

TEST_F(ScanCommandTest, JsonHasExactlyTheFieldNamesInFieldOrder) {
    const QString bundle = path(QStringLiteral("Verb.component"));
    BundleTree::bundle(bundle, {{QStringLiteral("CFBundleName"), QStringLiteral("Verb")},
                                {QStringLiteral("CFBundleIdentifier"), QStringLiteral("com.acme.verb")},
                                {QStringLiteral("CFBundleVersion"), QStringLiteral("42")},
                                {QStringLiteral("CFBundleExecutable"), QStringLiteral("Verb")},
                                {QStringLiteral("CFBundleGetInfoString"), QStringLiteral("Verb 42")},
                                {QStringLiteral("AudioComponents"),
                                 QVariantList{QVariantMap{{QStringLiteral("name"), QStringLiteral("Acme Audio: Verb")},
                                                          {QStringLiteral("type"), QStringLiteral("aufx")},
                                                          {QStringLiteral("subtype"), QStringLiteral("Vrb1")},
                                                          {QStringLiteral("manufacturer"), QStringLiteral("Acme")}}}}});
    writeFile(QStringLiteral("Verb.component/Contents/Resources/samples.bin"), 3'000'000'000);
    const timespec times[2] = {{1'614'834'367, 0}, {1'614'834'367, 0}}; // 2021-03-04T05:06:07Z
    ASSERT_EQ(::utimensat(AT_FDCWD, FilePathBytes::encode(bundle).constData(), times, 0), 0);

    const CliRun run = runCli({QStringLiteral("scan"), QStringLiteral("--json"), path({})});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, QString());
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(run.out.toUtf8(), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
    ASSERT_TRUE(document.isArray());
    ASSERT_EQ(document.array().size(), 1);
    const QJsonObject object = document.array().first().toObject();

    qsizetype previous = -1;
    for (const QString& field : fieldNames) {
        const qsizetype at = run.out.indexOf(u'"' + field + QStringLiteral("\":"));
        EXPECT_GT(at, previous) << field.toStdString();
        previous = at;
    }

    EXPECT_TRUE(run.out.contains(QStringLiteral("\"fileSize\": %1,").arg(directorySize(bundle))));
    QJsonObject rest = object;
    EXPECT_TRUE(rest.take(QStringLiteral("fileSize")).isDouble());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\.\\d{3}Z$"))
                    .match(rest.take(QStringLiteral("installDate")).toString())
                    .hasMatch());
    EXPECT_EQ(rest, (QJsonObject{{"name", "Verb"},
                                 {"publisher", "Acme Audio"},
                                 {"version", "42"},
                                 {"format", "AU"},
                                 {"architecture", "Apple Silicon"},
                                 {"filePath", bundle},
                                 {"bundleID", "com.acme.verb"},
                                 {"dateModified", "2021-03-04T05:06:07.000Z"},
                                 {"category", "Effect"},
                                 {"bundleDescription", "Verb 42"},
                                 {"auComponentType", "aufx"},
                                 {"auComponentSubType", "Vrb1"},
                                 {"auComponentManufacturer", "Acme"},
                                 {"platform", "macOS"},
                                 {"pluginIdentifier", ""},
                                 {"isBridged", false}}));
}

// A relative folder is scanned by its absolute path, after the warnings for those it skips.
TEST_F(ScanCommandTest, MissingFolderWarnsAndTheScanGoesOn) {
    writeBundle(QStringLiteral("sub/Rel.clap"), QStringLiteral("Rel"));
    BundleTree::file(path(QStringLiteral("notes.txt")), {});
    const QString missing = path(QStringLiteral("gone"));

    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(path({})));
    const CliRun run = runCli({QStringLiteral("scan"), QStringLiteral("--json"), missing,
                               path(QStringLiteral("notes.txt")), QStringLiteral("./sub/")});
    QDir::setCurrent(previous);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, QStringLiteral("zuzuze-vizozod: warning: %1 does not exist; skipping it.\n"
                                      "zuzuze-vizozod: warning: %2 is not a folder; skipping it.\n")
                           .arg(missing, path(QStringLiteral("notes.txt"))));
    const QJsonArray array = QJsonDocument::fromJson(run.out.toUtf8()).array();
    ASSERT_EQ(array.size(), 1) << run.out.toStdString();
    EXPECT_EQ(array[0].toObject().value(QStringLiteral("filePath")).toString(), path(QStringLiteral("sub/Rel.clap")));
}

// A standard location is walked as its format folders, one level deep; any other grant recursively.
TEST_F(ScanCommandTest, SystemRootAndHomeDecideWhichFoldersAreStandard) {
    const QString system = QStringLiteral("mac/Library/Audio/Plug-Ins/VST3");
    const QString user = QStringLiteral("mac/Users/alex/Library/Audio/Plug-Ins/VST3");
    for (const QString& base : {system, user}) {
        writeBundle(base + QStringLiteral("/Direct.vst3"), QStringLiteral("Direct"));
        writeBundle(base + QStringLiteral("/Vendor/Nested.vst3"), QStringLiteral("Nested"));
    }
    const QString systemFolder = path(QStringLiteral("mac/Library/Audio/Plug-Ins"));
    const QString userFolder = path(QStringLiteral("mac/Users/alex/Library/Audio/Plug-Ins"));
    const auto count = [](const CliRun& run) {
        return QJsonDocument::fromJson(run.out.toUtf8()).array().size();
    };

    const CliRun asStandard =
        runCli({QStringLiteral("scan"), QStringLiteral("--json"), QStringLiteral("--system-root"),
                path(QStringLiteral("mac")), QStringLiteral("--home"), path(QStringLiteral("mac/Users/alex")),
                systemFolder, userFolder});
    EXPECT_EQ(asStandard.err, QString());
    EXPECT_EQ(count(asStandard), 2) << asStandard.out.toStdString();

    const CliRun recursive =
        runCli({QStringLiteral("scan"), QStringLiteral("--json"), QStringLiteral("--system-root"),
                path(QStringLiteral("elsewhere")), QStringLiteral("--home"),
                path(QStringLiteral("mac/Users/alex")), systemFolder, userFolder});
    EXPECT_EQ(recursive.err, QStringLiteral("zuzuze-vizozod: warning: there is no folder at %1.\n")
                                 .arg(path(QStringLiteral("elsewhere"))));
    EXPECT_EQ(count(recursive), 3) << recursive.out.toStdString();

    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(path({})));
    const CliRun relativeRoot =
        runCli({QStringLiteral("scan"), QStringLiteral("--json"), QStringLiteral("--system-root"),
                QStringLiteral("mac/"), QStringLiteral("--home"), QStringLiteral("elsewhere"),
                QStringLiteral("mac/Library/Audio/Plug-Ins")});
    QDir::setCurrent(previous);
    EXPECT_EQ(count(relativeRoot), 1) << relativeRoot.out.toStdString();
}

// A format folder that exists but cannot be listed is the scanner's one diagnostic; nothing found is said
// in both outputs.
TEST_F(ScanCommandTest, AFolderThatCannotBeListedIsToldOnStandardError) {
    const QString plugIns = path(QStringLiteral("mac/Library/Audio/Plug-Ins"));
    BundleTree::file(plugIns + QStringLiteral("/VST3"), "a file where the folder should be");
    const QString diagnostic =
        QStringLiteral("[PluginScanner] Failed to enumerate %1/VST3: Not a directory\n").arg(plugIns);

    for (const bool json : {false, true}) {
        QStringList arguments{QStringLiteral("scan"), QStringLiteral("--system-root"), path(QStringLiteral("mac")),
                              plugIns};
        if (json)
            arguments.insert(1, QStringLiteral("--json"));
        const CliRun run = runCli(arguments);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out, json ? QStringLiteral("[]\n") : QStringLiteral("No plug-in bundles found.\n"));
        EXPECT_EQ(run.err, diagnostic);
    }
}

} // namespace
