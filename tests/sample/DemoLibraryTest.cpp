#include "sample/DemoLibrary.h"

#include "discovery/FolderBookmark.h"
#include "discovery/PluginScanner.h"
#include "discovery/TreeSnapshot.h"
#include "sample/BundleWriter.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <memory>

namespace {

const QDateTime reference(QDate(2026, 5, 1), QTime(0, 0), Qt::UTC);
constexpr qint64 year = 365 * 24 * 60 * 60;
const QStringList plugInExtensions{QStringLiteral("component"), QStringLiteral("vst"), QStringLiteral("vst3"),
                                   QStringLiteral("aaxplugin"), QStringLiteral("clap")};

DemoLibrary::Options options(int bundles, quint64 seed) {
    DemoLibrary::Options result;
    result.bundles = bundles;
    result.seed = seed;
    result.reference = reference;
    return result;
}

// macOS plug-in bundle folders as a person counts them: not hidden, not inside another bundle,
// not links, not in the Linux system's folders (those and the hidden ones of the home hold the
// Linux and Wine plug-ins).
QStringList macBundles(const QString& root) {
    QStringList bundles;
    QDirIterator it(root, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        if (info.isSymLink() || !plugInExtensions.contains(info.suffix().toLower()))
            continue;
        const QStringList parts = QDir(root).relativeFilePath(path).split(u'/');
        bool counted = parts.first() != QLatin1StringView("usr");
        for (qsizetype i = 0; i < parts.size() - 1; ++i)
            counted = counted && !parts[i].startsWith(u'.') &&
                      !plugInExtensions.contains(QFileInfo(parts[i]).suffix().toLower());
        if (counted)
            bundles.append(path);
    }
    return bundles;
}

class DemoLibraryTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_dir = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(s_dir->isValid());
        s_root = s_dir->filePath(QStringLiteral("library"));
        s_result = DemoLibrary::write(s_root, options(DemoLibrary::defaultBundleCount, 1));
        ASSERT_TRUE(s_result.ok) << s_result.error.toStdString();

        PluginScanner scanner(ScanRoots{s_root, DemoLibrary::homeFolder(s_root)});
        QMap<QString, QByteArray> grants;
        for (const QString& folder : DemoLibrary::pluginFolders(s_root))
            grants.insert(folder, FolderBookmark::create(folder));
        QFuture<PluginScanResult> future = scanner.scan(grants);
        future.waitForFinished();
        s_scanned = future.result().plugins;
    }
    static void TearDownTestSuite() {
        s_scanned.clear();
        s_dir.reset();
    }

    static const ScannedPlugin* scanned(const QString& relativePath) {
        for (const ScannedPlugin& plugin : s_scanned) {
            if (plugin.filePath == s_root + u'/' + relativePath)
                return &plugin;
        }
        return nullptr;
    }

    static inline std::unique_ptr<QTemporaryDir> s_dir;
    static inline QString s_root;
    static inline DemoLibrary::Result s_result;
    static inline QList<ScannedPlugin> s_scanned;
};

TEST_F(DemoLibraryTest, ResultCountsWhatIsOnDiskAndOnlyTheSeedChangesTheTree) {
    // Regular files and their logical bytes; links are not followed.
    qint64 files = 0;
    qint64 bytes = 0;
    QDirIterator it(s_root, QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        ++files;
        bytes += it.fileInfo().size();
    }
    EXPECT_EQ(s_result.bundles, 60 + 42);
    EXPECT_EQ(s_result.linuxBundles, 42);
    EXPECT_EQ(s_result.brokenBundles, 2);
    EXPECT_EQ(s_result.contentLibraries, 15);
    EXPECT_EQ(s_result.files, files);
    EXPECT_EQ(s_result.logicalBytes, bytes);
    EXPECT_EQ(macBundles(s_root).size(), 60);

    QTemporaryDir other;
    ASSERT_TRUE(other.isValid());
    const DemoLibrary::Result same = DemoLibrary::write(other.filePath(QStringLiteral("same")),
                                                        options(DemoLibrary::defaultBundleCount, 1));
    const DemoLibrary::Result different = DemoLibrary::write(other.filePath(QStringLiteral("different")),
                                                             options(DemoLibrary::defaultBundleCount, 2));
    ASSERT_TRUE(same.ok && different.ok);

    const auto first = treeSnapshot(s_root, true);
    EXPECT_EQ(first, treeSnapshot(other.filePath(QStringLiteral("same")), true));
    EXPECT_NE(first, treeSnapshot(other.filePath(QStringLiteral("different")), true));
    EXPECT_NE(different.logicalBytes, s_result.logicalBytes);
}

TEST_F(DemoLibraryTest, BundleCountScales) {
    QTemporaryDir other;
    ASSERT_TRUE(other.isValid());
    // Past the hand-picked sixty, one generated bundle in five is a Linux or Windows one; the
    // Linux system, home and Wine prefix are always there.
    const struct {
        int requested;
        int macOS;
        int linuxOnes;
    } cases[] = {{0, 0, 42}, {7, 7, 42}, {64, 64, 42}, {65, 64, 43}, {90, 84, 48}};
    for (const auto& expected : cases) {
        const QString root = other.filePath(QString::number(expected.requested));
        const DemoLibrary::Result result = DemoLibrary::write(root, options(expected.requested, 5));
        ASSERT_TRUE(result.ok) << result.error.toStdString();
        EXPECT_EQ(result.bundles, expected.macOS + expected.linuxOnes) << expected.requested;
        EXPECT_EQ(result.linuxBundles, expected.linuxOnes) << expected.requested;
        EXPECT_EQ(macBundles(root).size(), expected.macOS) << expected.requested;
        for (const QString& folder : DemoLibrary::pluginFolders(root))
            EXPECT_TRUE(QFileInfo(folder).isDir()) << folder.toStdString();
    }
}

// Every standard location of the sample system, macOS, Linux and Wine, is granted, and nothing
// else but the drive.
TEST_F(DemoLibraryTest, PluginFoldersAreTheStandardFoldersAndTheDrive) {
    const QStringList expected{s_root + QStringLiteral("/Library/Audio/Plug-Ins"),
                               s_root + QStringLiteral("/Users/alex/Library/Audio/Plug-Ins"),
                               s_root + QStringLiteral("/Library/Application Support/Avid/Audio/Plug-Ins"),
                               s_root + QStringLiteral("/Volumes/Studio SSD")};
    QStringList folders = DemoLibrary::pluginFolders(s_root);
    EXPECT_EQ(folders.mid(0, 4), expected);
    folders.removeAt(3);
    QStringList standard;
    for (const StandardLocation& location :
         PluginScanner(ScanRoots{s_root, DemoLibrary::homeFolder(s_root)}).standardLocations())
        standard.append(location.path);
    folders.sort();
    standard.sort();
    EXPECT_EQ(folders, standard);
    EXPECT_EQ(DemoLibrary::driveFolder(s_root), expected.last());
    EXPECT_TRUE(QFileInfo(DemoLibrary::contentFolder(s_root)).isDir());
}

// Every format and architecture, one product under three names and one publisher under two spellings.
TEST_F(DemoLibraryTest, EveryFormatArchitectureAndSpellingOccurs) {
    QSet<QString> names;
    QSet<QString> publishers;
    QSet<PluginFormat> formats;
    QSet<PluginArchitecture> architectures;
    for (const ScannedPlugin& plugin : s_scanned) {
        names.insert(plugin.name);
        publishers.insert(plugin.publisher);
        formats.insert(plugin.format);
        architectures.insert(plugin.architecture);
    }
    for (const PluginFormat format : allCases<PluginFormat>())
        EXPECT_TRUE(formats.contains(format)) << rawValue(format).toStdString();
    for (const PluginArchitecture architecture : allCases<PluginArchitecture>())
        EXPECT_TRUE(architectures.contains(architecture)) << rawValue(architecture).toStdString();
    for (const QString& name :
         {QStringLiteral("Pro-Q 3"), QStringLiteral("Pro-Q 3 AU"), QStringLiteral("FabFilter Pro-Q 3")})
        EXPECT_TRUE(names.contains(name)) << name.toStdString();
    EXPECT_TRUE(publishers.contains(QStringLiteral("Valhalla DSP, LLC")));
    EXPECT_TRUE(publishers.contains(QStringLiteral("Valhalla DSP")));
}

TEST_F(DemoLibraryTest, PropertyListsVaryAsInstallersLeaveThem) {
    int binary = 0;
    int onlyBundleVersion = 0;
    int withoutBundleName = 0;
    int withComponents = 0;
    int withoutPropertyList = 0;
    for (const QString& bundle : macBundles(s_root)) {
        QFile file(bundle + QStringLiteral("/Contents/Info.plist"));
        const QByteArray plist = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        if (plist.isEmpty()) {
            ++withoutPropertyList;
        } else if (plist.startsWith("bplist00")) {
            ++binary;
        } else {
            onlyBundleVersion +=
                plist.contains("CFBundleVersion") && !plist.contains("CFBundleShortVersionString") ? 1 : 0;
            withoutBundleName += plist.contains("CFBundleName") ? 0 : 1;
            withComponents += plist.contains("<key>AudioComponents</key>") ? 1 : 0;
        }
    }
    EXPECT_GE(binary, 3);
    EXPECT_GE(onlyBundleVersion, 2);
    EXPECT_GE(withoutBundleName, 3);
    EXPECT_GE(withComponents, 15);
    EXPECT_EQ(withoutPropertyList, 1);
}

TEST_F(DemoLibraryTest, BrokenAndHiddenAndNestedBundlesAreThere) {
    const QString vst3 = s_root + QStringLiteral("/Library/Audio/Plug-Ins/VST3/");
    EXPECT_TRUE(QFileInfo(vst3 + QStringLiteral("Chorus Ensemble.vst3/Contents")).isDir());
    EXPECT_EQ(scanned(QStringLiteral("Library/Audio/Plug-Ins/VST3/Chorus Ensemble.vst3")), nullptr);
    const ScannedPlugin* truncated =
        scanned(QStringLiteral("Library/Audio/Plug-Ins/VST3/Wavetable Lab.vst3"));
    ASSERT_NE(truncated, nullptr);
    EXPECT_EQ(truncated->architecture, PluginArchitecture::unknown);

    const QString drive = DemoLibrary::driveFolder(s_root);
    EXPECT_TRUE(
        QFileInfo::exists(drive + QStringLiteral("/Plug-Ins/Arturia/Tape Echo.vst3/Contents/Resources/Tape "
                                                 "Echo Legacy.vst3/Contents/Info.plist")));
    EXPECT_TRUE(
        QFileInfo::exists(drive + QStringLiteral("/.Trashes/501/Deleted Synth.vst3/Contents/Info.plist")));
    EXPECT_TRUE(QFileInfo(drive + QStringLiteral("/Backups/Latest")).isSymLink());
    EXPECT_NE(scanned(QStringLiteral(
                  "Volumes/Studio SSD/Applications/Plugin Host.app/Contents/PlugIns/Host Bridge.component")),
              nullptr);
    EXPECT_NE(scanned(QStringLiteral("Volumes/Studio SSD/Plug-Ins/Native Instruments/Massive X.vst3")),
              nullptr);
}

// The Linux and Wine side reads as its packages would: multi-plug-in bundles, moduleinfo and
// VERSIONINFO where present, fallbacks where not, helpers, copies and non-plug-in bundles left out.
TEST_F(DemoLibraryTest, LinuxAndWindowsPluginsReadAsInstalled) {
    using A = PluginArchitecture;
    using F = PluginFormat;
    using P = PluginPlatform;
    const QString wine = QStringLiteral("Users/alex/.wine/drive_c/Program Files");
    const struct {
        QString path;
        F format;
        int installs;
        const char* name = nullptr; // nullptr: not checked
        const char* publisher = nullptr;
        const char* version = nullptr;
        A architecture = A::x86_64;
        P platform = P::linuxNative;
    } rows[] = {
        {QStringLiteral("usr/lib/lv2/calf.lv2"), F::lv2, 10, "Calf Reverb", "Calf Studio Gear", "0.90"},
        {QStringLiteral("usr/lib/lv2/fil4.lv2"), F::lv2, 2, "x42-eq - Parametric Equalizer Stereo", "Robin Gareus", "6.2"},
        {QStringLiteral("usr/lib/x86_64-linux-gnu/lv2/ZamComp.lv2"), F::lv2, 1, "ZamComp", "Damien Zammit", "4.1"},
        {QStringLiteral("Users/alex/.lv2/mod-pitchshifter.lv2"), F::lv2, 1, "Drop", "MOD Devices", "0.0", A::arm32},
        {QStringLiteral("usr/lib/lv2/lv2core.lv2"), F::lv2, 0},
        {QStringLiteral("Users/alex/.lv2/alex-presets.lv2"), F::lv2, 0},
        {QStringLiteral("usr/lib/vst3/lsp-plugins.vst3"), F::vst3, 6, "LSP Limiter Stereo", "LSP (Linux Studio Plugins)", "1.2.14"},
        {QStringLiteral("usr/lib/vst3/Surge XT.vst3"), F::vst3, 1, "Surge XT", "Surge Synth Team", "1.3.1"},
        {QStringLiteral("usr/lib/vst3/Surge XT Effects.vst3"), F::vst3, 1, "Surge XT Effects"},
        {QStringLiteral("Users/alex/.vst3/Cardinal.vst3"), F::vst3, 3, "Cardinal Synth", "DISTRHO", "23.10.0"},
        {QStringLiteral("Users/alex/.vst3/Odin2.vst3"), F::vst3, 1, "Odin2", nullptr, nullptr, A::arm64Generic},
        {QStringLiteral("Users/alex/.vst3/yabridge/Serum2.vst3"), F::vst3, 0},
        {QStringLiteral("usr/lib/clap/Surge XT.clap"), F::clap, 1, "Surge XT"},
        {QStringLiteral("Users/alex/.clap/yabridge/Phase Plant.clap"), F::clap, 0},
        {QStringLiteral("usr/lib/vst/lsp-plugins/lsp-plugins-vst2-limiter-stereo.so"), F::vst, 1},
        {QStringLiteral("usr/lib/vst/lsp-plugins/lsp-plugins-vst2-core.so"), F::vst, 0},
        {QStringLiteral("usr/lib/ladspa/tap_reverb.so"), F::ladspa, 1, "tap_reverb"},
        {wine + QStringLiteral("/Common Files/VST3/FabFilter Pro-Q 3.vst3"), F::vst3, 1, "FabFilter Pro-Q 3", "FabFilter",
         "3.21.0.0", A::x86_64, P::windows},
        {wine + QStringLiteral("/Common Files/VST3/OTT.vst3"), F::vst3, 1, "OTT", "Xfer Records", "1.37.0.0", A::x86_64,
         P::windows},
        {wine + QStringLiteral("/Common Files/VST3/Serum2.vst3"), F::vst3, 1, "Serum 2", "Xfer Records", "2.0.6",
         A::x86_64, P::windows},
        {wine + QStringLiteral("/Common Files/VST3/Disperser.vst3"), F::vst3, 1, nullptr, nullptr, nullptr, A::arm64ec,
         P::windows},
        {wine + QStringLiteral(" (x86)/Steinberg/VSTPlugins/Classic Delay.dll"), F::vst, 1, nullptr, nullptr, nullptr,
         A::x86, P::windows},
        {wine + QStringLiteral("/VstPlugins/libfftw3f-3.dll"), F::vst, 0},
    };
    for (const auto& row : rows) {
        const QString path = s_root + u'/' + row.path;
        QList<const ScannedPlugin*> installs;
        for (const ScannedPlugin& plugin : s_scanned)
            if (plugin.filePath == path)
                installs.append(&plugin);
        ASSERT_EQ(installs.size(), row.installs) << row.path.toStdString();
        if (installs.isEmpty())
            continue;
        const ScannedPlugin* named = installs.first();
        for (const ScannedPlugin* install : installs) {
            EXPECT_EQ(install->format, row.format) << row.path.toStdString();
            EXPECT_EQ(install->architecture, row.architecture) << row.path.toStdString();
            EXPECT_EQ(install->platform, row.platform) << row.path.toStdString();
            if (row.name && install->name == QLatin1StringView(row.name))
                named = install;
        }
        if (row.name) {
            EXPECT_EQ(named->name, QString::fromUtf8(row.name)) << row.path.toStdString();
        }
        if (row.publisher) {
            EXPECT_EQ(named->publisher, QString::fromUtf8(row.publisher)) << row.path.toStdString();
        }
        if (row.version) {
            EXPECT_EQ(named->version, QString::fromUtf8(row.version)) << row.path.toStdString();
        }
    }
}

// Plug-ins reached twice, through yabridge's copies or a package's folder under two names, show
// once (Serum 2 is installed for macOS as well).
TEST_F(DemoLibraryTest, PluginsReachedTwiceShowOnce) {
    for (const QString& name : {QStringLiteral("Serum 2"), QStringLiteral("Phase Plant"), QStringLiteral("StereoEncoder"),
                                QStringLiteral("AllRADecoder")}) {
        const auto count = std::count_if(s_scanned.cbegin(), s_scanned.cend(), [&](const ScannedPlugin& plugin) {
            return plugin.name == name && plugin.platform != PluginPlatform::macOS;
        });
        EXPECT_EQ(count, 1) << name.toStdString();
    }
    const auto bridged = std::count_if(s_scanned.cbegin(), s_scanned.cend(),
                                       [](const ScannedPlugin& plugin) { return plugin.isBridged; });
    EXPECT_EQ(bridged, 3);
}

TEST_F(DemoLibraryTest, DatesSpreadOverThreeYearsAndSizesFromMegabytesToGigabytes) {
    int olderThanAYear = 0;
    int newer = 0;
    qint64 smallest = std::numeric_limits<qint64>::max();
    qint64 largest = 0;
    for (const ScannedPlugin& plugin : s_scanned) {
        const qint64 age = plugin.dateModified.secsTo(reference);
        EXPECT_GT(age, 0) << plugin.filePath.toStdString();
        EXPECT_LE(age, 3 * year) << plugin.filePath.toStdString();
        (age > year ? olderThanAYear : newer) += 1;
        smallest = qMin(smallest, plugin.fileSize);
        largest = qMax(largest, plugin.fileSize);
    }
    EXPECT_GE(olderThanAYear, 10);
    EXPECT_GE(newer, 10);
    EXPECT_LT(smallest, 100'000'000);
    EXPECT_GT(largest, 1'000'000'000);
}

TEST_F(DemoLibraryTest, RefusesWhatItCannotWriteInto) {
    QTemporaryDir other;
    ASSERT_TRUE(other.isValid());
    QFile file(other.filePath(QStringLiteral("file")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const struct {
        QString root;
        int bundles;
        QString error;
    } cases[] = {
        {file.fileName(), 3, QStringLiteral("%1 is a file, not a folder.").arg(file.fileName())},
        {other.path(), 3, QStringLiteral("The folder %1 is not empty; choose a new or empty folder.").arg(other.path())},
        {other.filePath(QStringLiteral("file/below")), 3,
         QStringLiteral("Could not write the sample library under %1.").arg(other.filePath(QStringLiteral("file/below")))},
        {other.filePath(QStringLiteral("new")), -1, QStringLiteral("The number of bundles must be between 0 and 100000.")},
    };
    for (const auto& c : cases) {
        const DemoLibrary::Result result = DemoLibrary::write(c.root, options(c.bundles, 1));
        EXPECT_FALSE(result.ok) << c.root.toStdString();
        EXPECT_EQ(result.error, c.error);
    }
    EXPECT_FALSE(QFileInfo::exists(other.filePath(QStringLiteral("new"))));
}

} // namespace
