#include "ScanFixture.h"
#include "TreeSnapshot.h"
#include "support/HostilePlists.h"
#include "model/FilePathBytes.h"

#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

using Found = QMap<QString, PluginFormat>;

class PluginScannerTest : public ScanFixture {
protected:
    // The system Audio Plug-Ins folder with a bundle in each format folder and decoys around them.
    void buildSystemPlugIns()
    {
        const QString root = sys(plugIns);
        BundleTree::plugin(root + u"/Components/Verb.component"_s);
        BundleTree::plugin(root + u"/Components/Upper.COMPONENT"_s);
        BundleTree::plugin(root + u"/VST/Old.vst"_s);
        BundleTree::plugin(root + u"/VST3/Pro-Q 3.vst3"_s);
        BundleTree::plugin(root + u"/VST3/Vendor/Deep.vst3"_s);
        BundleTree::plugin(root + u"/VST3/Misplaced.component"_s);
        BundleTree::plugin(root + u"/VST3/.Hidden.vst3"_s);
        BundleTree::plugin(root + u"/CLAP/Surge.clap"_s);
        BundleTree::plugin(root + u"/Loose.vst3"_s);
    }
};

// A standard location is walked as its format folders, one level deep; a format folder granted on
// its own recursively, reporting by extension what the standard walk ignores.
TEST_F(PluginScannerTest, StandardLocationIsWalkedOneLevelDeepAFormatFolderOnItsOwnRecursively)
{
    buildSystemPlugIns();
    EXPECT_TRUE(scan(QStringList()).isEmpty());
    Found expected{
        {u"mac/Library/Audio/Plug-Ins/Components/Verb.component"_s, PluginFormat::au},
        {u"mac/Library/Audio/Plug-Ins/Components/Upper.COMPONENT"_s, PluginFormat::au},
        {u"mac/Library/Audio/Plug-Ins/VST/Old.vst"_s, PluginFormat::vst},
        {u"mac/Library/Audio/Plug-Ins/VST3/Pro-Q 3.vst3"_s, PluginFormat::vst3},
        {u"mac/Library/Audio/Plug-Ins/CLAP/Surge.clap"_s, PluginFormat::clap},
    };
    EXPECT_EQ(found(scan({sys(plugIns)})), expected);
    expected.insert(u"mac/Library/Audio/Plug-Ins/VST3/Vendor/Deep.vst3"_s, PluginFormat::vst3);
    expected.insert(u"mac/Library/Audio/Plug-Ins/VST3/Misplaced.component"_s, PluginFormat::au);
    EXPECT_EQ(found(scan({sys(plugIns), sys(plugIns) + u"/VST3"_s})), expected);
}

TEST_F(PluginScannerTest, UserAndAvidLocations)
{
    BundleTree::plugin(home(plugIns) + u"/VST3/Mine.vst3"_s);
    BundleTree::plugin(home(plugIns) + u"/Components/Mine.component"_s);
    BundleTree::plugin(sys(avid) + u"/Pro Limiter.aaxplugin"_s);
    BundleTree::plugin(sys(avid) + u"/Vendor/Nested.aaxplugin"_s);
    BundleTree::plugin(sys(avid) + u"/Stray.vst3"_s);
    BundleTree::plugin(home(avid) + u"/Own.AAXPlugin"_s);
    const Found expected{
        {u"mac/Users/tester/Library/Audio/Plug-Ins/VST3/Mine.vst3"_s, PluginFormat::vst3},
        {u"mac/Users/tester/Library/Audio/Plug-Ins/Components/Mine.component"_s, PluginFormat::au},
        {u"mac/Library/Application Support/Avid/Audio/Plug-Ins/Pro Limiter.aaxplugin"_s, PluginFormat::aax},
        {u"mac/Users/tester/Library/Application Support/Avid/Audio/Plug-Ins/Own.AAXPlugin"_s,
         PluginFormat::aax},
    };
    EXPECT_EQ(found(scan({home(plugIns), sys(avid), home(avid)})), expected);
}

TEST_F(PluginScannerTest, RecursiveWalkFindsBundlesAtAnyDepthButNeverInsideOne)
{
    const QString drive = other(u"Drive"_s);
    BundleTree::plugin(drive + u"/Vendor/A.vst3"_s);
    BundleTree::plugin(drive + u"/Vendor/Sub/Sub/B.clap"_s);
    BundleTree::plugin(drive + u"/C.component"_s);
    BundleTree::plugin(drive + u"/E.VST3"_s);
    BundleTree::plugin(drive + u"/Host.app/Contents/PlugIns/D.vst"_s);
    BundleTree::plugin(drive + u"/Outer.vst3"_s);
    BundleTree::plugin(drive + u"/Outer.vst3/Contents/Resources/Inner.vst3"_s);
    BundleSpec noPlist;
    noPlist.path = drive + u"/NoPlist.vst3"_s;
    noPlist.writePlist = false;
    ASSERT_TRUE(BundleWriter::write(noPlist));
    BundleTree::plugin(drive + u"/NoPlist.vst3/Contents/Inner.vst3"_s);
    BundleTree::file(drive + u"/notes.vst"_s, "not a bundle");
    BundleTree::plugin(drive + u"/.hiddenFolder/F.vst3"_s);
    BundleTree::plugin(drive + u"/.G.vst3"_s);
    BundleTree::plugin(drive + u"/vst3"_s); // a name without an extension
    // Odd names do not disturb the walk.
    BundleTree::plugin(drive + u"/Line\nBreak.vst3"_s);
    BundleTree::plugin(drive + u'/' + QString(200, u'x') + u".vst3"_s);
    BundleTree::plugin(drive + u"/Ünïcødé ✓.clap"_s);
    ASSERT_EQ(::mkdir((FilePathBytes::encode(drive) + "/bad\xff.vst3").constData(), 0755), 0);

    const Found expected{
        {u"Drive/Vendor/A.vst3"_s, PluginFormat::vst3},
        {u"Drive/Vendor/Sub/Sub/B.clap"_s, PluginFormat::clap},
        {u"Drive/C.component"_s, PluginFormat::au},
        {u"Drive/E.VST3"_s, PluginFormat::vst3},
        {u"Drive/Host.app/Contents/PlugIns/D.vst"_s, PluginFormat::vst},
        {u"Drive/Outer.vst3"_s, PluginFormat::vst3},
        {u"Drive/Line\nBreak.vst3"_s, PluginFormat::vst3},
        {u"Drive/"_s + QString(200, u'x') + u".vst3"_s, PluginFormat::vst3},
        {u"Drive/Ünïcødé ✓.clap"_s, PluginFormat::clap},
    };
    EXPECT_EQ(found(scan({drive})), expected);
}

TEST_F(PluginScannerTest, SymbolicLinksAreDescribedButNeverWalked)
{
    const QString drive = other(u"Drive"_s);
    BundleTree::plugin(drive + u"/Real.vst3"_s);
    BundleTree::plugin(other(u"Elsewhere/Target.vst3"_s));
    BundleTree::plugin(other(u"Elsewhere/Other.vst3"_s));
    BundleTree::symlink(other(u"Elsewhere/Target.vst3"_s), drive + u"/Linked.vst3"_s);
    BundleTree::symlink(other(u"Elsewhere"_s), drive + u"/elsewhere"_s);
    BundleTree::symlink(u".."_s, drive + u"/parent"_s);
    BundleTree::symlink(u"."_s, drive + u"/self"_s);
    BundleTree::symlink(u"loop"_s, drive + u"/loop"_s);
    BundleTree::symlink(u"nowhere"_s, drive + u"/Dangling.vst3"_s);
    ASSERT_TRUE(QDir().mkpath(drive + u"/Sub"_s));
    BundleTree::symlink(drive, drive + u"/Sub/up"_s);

    const QList<ScannedPlugin> plugins = scan({drive});
    const Found expected{{u"Drive/Real.vst3"_s, PluginFormat::vst3},
                         {u"Drive/Linked.vst3"_s, PluginFormat::vst3}};
    EXPECT_EQ(found(plugins), expected);
    for (const ScannedPlugin& plugin : plugins)
        EXPECT_GT(plugin.fileSize, 0) << plugin.filePath.toStdString();
}

TEST_F(PluginScannerTest, ContainerPluginFoldersAreNeverScanned)
{
    const QString container = home(u"/Library/Containers/com.acme.host/Data/Library/Audio/Plug-Ins"_s);
    BundleTree::plugin(container + u"/VST3/Hidden Away.vst3"_s);
    const QString avidContainer = home(u"/Library/Containers/com.acme.host/Data"_s) + avid;
    BundleTree::plugin(avidContainer + u"/Away.aaxplugin"_s);
    EXPECT_TRUE(scan({container, avidContainer}).isEmpty());
    EXPECT_EQ(scan({container + u"/VST3"_s}).size(), 1);
}

TEST_F(PluginScannerTest, LaterGrantWinsForTheSameBundle)
{
    const QString drive = other(u"Drive"_s);
    const QString bundle = drive + u"/Vendor/A.vst3"_s;
    BundleTree::plugin(bundle);
    PluginScanner scanner(m_roots);
    bool rewritten = false;
    // Between the two grants' walks (progress follows every grant), the bundle changes version.
    QObject::connect(
        &scanner, &PluginScanner::progress, &scanner,
        [&](int, int) {
            if (rewritten)
                return;
            rewritten = true;
            QVariantMap info = BundleTree::info(u"A"_s);
            info.insert(u"CFBundleShortVersionString"_s, u"2.0"_s);
            EXPECT_TRUE(BundleWriter::writePropertyList(bundle + u"/Contents/Info.plist"_s, info, false));
        },
        Qt::DirectConnection);
    QFuture<PluginScanResult> future = scanner.scan(grants({drive + u"/Vendor"_s, drive}));
    const QList<ScannedPlugin> plugins = future.result().plugins;
    ASSERT_EQ(plugins.size(), 1);
    EXPECT_TRUE(rewritten);
    EXPECT_EQ(plugins.first().version, u"2.0"_s); // from ".../Drive/Vendor", which sorts after ".../Drive"
}

// Grants that cannot be resolved, are no folder or hold a FIFO are skipped without a word.
TEST_F(PluginScannerTest, UnresolvableGrantsAndRecursiveWalkErrorsAreSkippedSilently)
{
    BundleTree::plugin(other(u"One/A.vst3"_s));
    BundleTree::plugin(other(u"Two/B.vst3"_s));
    BundleTree::plugin(other(u"Three/C.vst3"_s));
    BundleTree::file(other(u"plain file"_s), "x");
    ASSERT_EQ(::mkfifo(QFile::encodeName(other(u"Two/pipe.vst3"_s)).constData(), 0644), 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(other(u"Two/pipe"_s)).constData(), 0644), 0);
    QMap<QString, QByteArray> grantMap = grants({other(u"Two"_s), other(u"plain file"_s), other(u"missing"_s)});
    grantMap.insert(other(u"One"_s), QByteArray());
    grantMap.insert(other(u"Three"_s), QByteArray("\xff\xfe\xfd"));
    grantMap.insert(other(u"Gone"_s), FolderBookmark::create(other(u"Gone"_s)));
    // A grant is walked where its bookmark points, whatever its stored path says.
    grantMap.insert(u"/stored/elsewhere"_s, FolderBookmark::create(other(u"Three"_s)));
    ::testing::internal::CaptureStdout();
    const PluginScanResult result = scanResult(grantMap);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    const Found expected{{u"Two/B.vst3"_s, PluginFormat::vst3}, {u"Three/C.vst3"_s, PluginFormat::vst3}};
    EXPECT_EQ(found(result.plugins), expected);
    EXPECT_TRUE(result.unreadableFolders.isEmpty());
}

// Reported by the front ends, not printed from the scanner's thread; permissions are covered by
// the command line's own run without root's capabilities.
TEST_F(PluginScannerTest, FoldersThatCannotBeListedAreCollectedOnceInWalkOrder)
{
    BundleTree::plugin(sys(plugIns) + u"/Components/Verb.component"_s);
    BundleTree::file(sys(plugIns) + u"/VST3"_s, "a file where the folder should be");
    BundleTree::symlink(u"CLAP"_s, sys(plugIns) + u"/CLAP"_s);
    BundleTree::symlink(u"nowhere"_s, sys(plugIns) + u"/VST"_s); // nothing exists there: silent
    BundleTree::plugin(other(u"Drive/A.vst3"_s));
    BundleTree::symlink(u"Loop"_s, other(u"Loop"_s));
    QMap<QString, QByteArray> grantMap = grants({sys(plugIns), other(u"Drive"_s), other(u"Loop"_s)});
    // Two grants of one folder: told once.
    grantMap.insert(u"/stored/elsewhere"_s, FolderBookmark::create(other(u"Loop"_s)));
    ::testing::internal::CaptureStdout();
    const PluginScanResult result = scanResult(grantMap);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    const QString loop = u"Too many levels of symbolic links"_s;
    const QList<UnreadableFolder> expected{{other(u"Loop"_s), loop},
                                           {sys(plugIns) + u"/VST3"_s, u"Not a directory"_s},
                                           {sys(plugIns) + u"/CLAP"_s, loop}};
    EXPECT_EQ(result.unreadableFolders, expected);
    EXPECT_EQ(result.plugins.size(), 2);
}

// One bundle the readers cannot survive used to crash every refresh; now it is a broken bundle.
TEST_F(PluginScannerTest, BundlesWithHostilePropertyListsAreSkippedAndTheRestFound)
{
    const QString folder = other(QStringLiteral("Drive"));
    BundleTree::plugin(folder + QStringLiteral("/Good.vst3"));
    const std::pair<const char*, QByteArray> hostile[] = {
        {"Deep.vst3", HostilePlists::deepArrays(100'000)},
        {"Shared.vst3", HostilePlists::sharedString(200, 4 * 1024 * 1024)},
        {"Keys.vst3", HostilePlists::manyKeys(1'000'000, 4 * 1024 * 1024)},
        {"Xml.vst3", QByteArray("<?xml version=\"1.0\"?><plist><dict><key>d</key>")
                         + QByteArray("<array>").repeated(100'000)},
    };
    for (const auto& [bundle, plist] : hostile)
        BundleTree::file(folder + u'/' + QLatin1StringView(bundle) + QStringLiteral("/Contents/Info.plist"), plist);

    const QMap<QString, PluginFormat> expected{{QStringLiteral("Drive/Good.vst3"), PluginFormat::vst3}};
    EXPECT_EQ(found(scan(QStringList{folder})), expected);
}

// Tests run as root, so read-only permissions would prove nothing: the tree itself is compared.
TEST_F(PluginScannerTest, ScanningChangesNothingOnDisk)
{
    using K = ExecutableKind;
    const K kinds[] = {K::thinArm64, K::thinX86_64, K::universalArmIntel, K::universalIntelI386, K::universal64ArmIntel,
                       K::thin32, K::shellScript, K::truncated, K::missing};
    const QStringList folders{sys(plugIns) + u"/VST3"_s, sys(plugIns) + u"/Components"_s,
                              home(plugIns) + u"/CLAP"_s, other(u"Drive/Vendor"_s)};
    int index = 0;
    for (const QString& folder : folders) {
        for (ExecutableKind kind : kinds) {
            BundleSpec bundleSpec;
            bundleSpec.path = u"%1/Plugin %2.%3"_s.arg(folder).arg(index++).arg(
                folder.endsWith(u"Components"_s) ? u"component"_s
                : folder.endsWith(u"CLAP"_s)     ? u"clap"_s
                                                 : u"vst3"_s);
            bundleSpec.info = BundleTree::info(u"Plugin %1"_s.arg(index));
            bundleSpec.binaryPlist = index % 2 == 0;
            bundleSpec.executable = kind;
            bundleSpec.resourceFiles = 2;
            bundleSpec.resourceBytes = 40'000;
            ASSERT_TRUE(BundleWriter::write(bundleSpec));
        }
    }
    BundleTree::file(other(u"Drive/Vendor/Broken.vst3/Contents/Info.plist"_s), "<plist><dict>");
    BundleTree::file(other(u"Drive/.hidden/Secret.vst3/Contents/Info.plist"_s), "x");
    BundleTree::symlink(u".."_s, other(u"Drive/Vendor/up"_s));
    BundleTree::symlink(other(u"Drive/Vendor/Plugin 27.vst3"_s), other(u"Drive/Linked.vst3"_s));
    const QString fifoBundle = other(u"Drive/Fifo.vst3/Contents"_s);
    BundleTree::bundle(other(u"Drive/Fifo.vst3"_s), BundleTree::info(u"Fifo"_s), ExecutableKind::missing);
    ASSERT_TRUE(QDir().mkpath(fifoBundle + u"/MacOS"_s));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifoBundle + u"/MacOS/Fifo"_s).constData(), 0644), 0);
    ASSERT_TRUE(QDir().mkpath(other(u"Drive/FifoPlist.vst3/Contents"_s)));
    ASSERT_EQ(
        ::mkfifo(QFile::encodeName(other(u"Drive/FifoPlist.vst3/Contents/Info.plist"_s)).constData(), 0644),
        0);

    const auto before = treeSnapshot(m_dir.path());
    ASSERT_GT(before.size(), 200);
    const QList<ScannedPlugin> plugins = scan({sys(plugIns), home(plugIns), other(u"Drive"_s)});
    EXPECT_EQ(plugins.size(), 4 * 9 + 2); // every written bundle, the linked one and the FIFO-executable one
    EXPECT_EQ(treeSnapshot(m_dir.path()), before);
}

} // namespace
