#include "sample/DemoLibrary.h"

#include "discovery/FolderBookmark.h"
#include "discovery/PluginScanner.h"
#include "sample/BundleWriter.h"
#include "support/QtPrinters.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

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

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Tally {
    QStringList listing; // one line per entry: kind, path, size, time, link target or content digest
    qint64 files = 0;
    qint64 bytes = 0;
};

// Everything a byte-for-byte comparison of two trees needs; links are listed, never followed.
Tally tally(const QString& root) {
    Tally result;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat info {};
        if (::lstat(QFile::encodeName(path).constData(), &info) != 0) {
            result.listing.append(QStringLiteral("unreadable ") + path);
            continue;
        }
        QString line = QDir(root).relativeFilePath(path) +
                       QStringLiteral(" %1 %2").arg(info.st_mtim.tv_sec).arg(info.st_mode, 0, 8);
        if (S_ISLNK(info.st_mode)) {
            char target[4096] = {};
            const ssize_t length = ::readlink(QFile::encodeName(path).constData(), target, sizeof target - 1);
            line += QStringLiteral(" -> ") + QString::fromUtf8(target, length > 0 ? length : 0);
        } else if (S_ISREG(info.st_mode)) {
            ++result.files;
            result.bytes += info.st_size;
            line += QStringLiteral(" %1").arg(info.st_size);
            // Sparse files read back as zeros: only the written ones are worth a digest.
            if (info.st_size <= 256 * 1024)
                line += u' ' + QString::fromLatin1(
                                   QCryptographicHash::hash(readAll(path), QCryptographicHash::Sha1).toHex());
        }
        result.listing.append(line);
    }
    result.listing.sort();
    return result;
}

// Plug-in bundle folders as a person counts them: not hidden, not inside another bundle, not links.
int countBundles(const QString& root) {
    int count = 0;
    QDirIterator it(root, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        if (info.isSymLink() || !plugInExtensions.contains(info.suffix().toLower()))
            continue;
        const QStringList parts = QDir(root).relativeFilePath(path).split(u'/');
        bool counted = true;
        for (qsizetype i = 0; i < parts.size() - 1; ++i)
            counted = counted && !parts[i].startsWith(u'.') &&
                      !plugInExtensions.contains(QFileInfo(parts[i]).suffix().toLower());
        count += counted ? 1 : 0;
    }
    return count;
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
        QFuture<QList<ScannedPlugin>> future = scanner.scan(grants);
        future.waitForFinished();
        s_scanned = future.result();
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

TEST_F(DemoLibraryTest, SameSeedGivesTheSameTreeAndAnotherSeedAnother) {
    QTemporaryDir other;
    ASSERT_TRUE(other.isValid());
    const DemoLibrary::Result same = DemoLibrary::write(other.filePath(QStringLiteral("same")),
                                                        options(DemoLibrary::defaultBundleCount, 1));
    const DemoLibrary::Result different = DemoLibrary::write(other.filePath(QStringLiteral("different")),
                                                             options(DemoLibrary::defaultBundleCount, 2));
    ASSERT_TRUE(same.ok && different.ok);

    const Tally first = tally(s_root);
    const Tally second = tally(other.filePath(QStringLiteral("same")));
    const Tally third = tally(other.filePath(QStringLiteral("different")));
    EXPECT_EQ(first.listing, second.listing);
    EXPECT_NE(first.listing, third.listing);
    EXPECT_EQ(same.files, s_result.files);
    EXPECT_EQ(same.logicalBytes, s_result.logicalBytes);
    EXPECT_NE(different.logicalBytes, s_result.logicalBytes);
}

TEST_F(DemoLibraryTest, ResultCountsWhatIsOnDisk) {
    const Tally onDisk = tally(s_root);
    EXPECT_EQ(s_result.bundles, 60);
    EXPECT_EQ(s_result.brokenBundles, 2);
    EXPECT_EQ(s_result.contentLibraries, 15);
    EXPECT_EQ(s_result.files, onDisk.files);
    EXPECT_EQ(s_result.logicalBytes, onDisk.bytes);
    EXPECT_EQ(countBundles(s_root), 60);
}

TEST_F(DemoLibraryTest, BundleCountScales) {
    QTemporaryDir other;
    ASSERT_TRUE(other.isValid());
    for (const int bundles : {0, 7, 90}) {
        const QString root = other.filePath(QString::number(bundles));
        const DemoLibrary::Result result = DemoLibrary::write(root, options(bundles, 5));
        ASSERT_TRUE(result.ok) << result.error.toStdString();
        EXPECT_EQ(result.bundles, bundles);
        EXPECT_EQ(countBundles(root), bundles);
        for (const QString& folder : DemoLibrary::pluginFolders(root))
            EXPECT_TRUE(QFileInfo(folder).isDir()) << folder.toStdString();
    }
}

TEST_F(DemoLibraryTest, PluginFoldersAreTheStandardFoldersAndTheDrive) {
    const QStringList expected{s_root + QStringLiteral("/Library/Audio/Plug-Ins"),
                               s_root + QStringLiteral("/Users/alex/Library/Audio/Plug-Ins"),
                               s_root + QStringLiteral("/Library/Application Support/Avid/Audio/Plug-Ins"),
                               s_root + QStringLiteral("/Volumes/Studio SSD")};
    EXPECT_EQ(DemoLibrary::pluginFolders(s_root), expected);
    EXPECT_EQ(DemoLibrary::homeFolder(s_root), s_root + QStringLiteral("/Users/") + DemoLibrary::userName());
    EXPECT_EQ(DemoLibrary::userName(), QStringLiteral("alex"));
    EXPECT_EQ(DemoLibrary::driveFolder(s_root), expected.last());
    EXPECT_TRUE(QFileInfo(DemoLibrary::contentFolder(s_root)).isDir());
}

TEST_F(DemoLibraryTest, OneProductUnderThreeNamesAndOnePublisherUnderTwoSpellings) {
    QSet<QString> names;
    QSet<QString> publishers;
    for (const ScannedPlugin& plugin : s_scanned) {
        names.insert(plugin.name);
        publishers.insert(plugin.publisher);
    }
    for (const QString& name :
         {QStringLiteral("Pro-Q 3"), QStringLiteral("Pro-Q 3 AU"), QStringLiteral("FabFilter Pro-Q 3")})
        EXPECT_TRUE(names.contains(name)) << name.toStdString();
    EXPECT_TRUE(publishers.contains(QStringLiteral("Valhalla DSP, LLC")));
    EXPECT_TRUE(publishers.contains(QStringLiteral("Valhalla DSP")));
}

TEST_F(DemoLibraryTest, EveryFormatAndArchitectureOccurs) {
    QSet<PluginFormat> formats;
    QSet<PluginArchitecture> architectures;
    for (const ScannedPlugin& plugin : s_scanned) {
        formats.insert(plugin.format);
        architectures.insert(plugin.architecture);
    }
    for (const PluginFormat format : allCases<PluginFormat>())
        EXPECT_TRUE(formats.contains(format)) << rawValue(format).toStdString();
    for (const PluginArchitecture architecture : allCases<PluginArchitecture>())
        EXPECT_TRUE(architectures.contains(architecture)) << rawValue(architecture).toStdString();
}

TEST_F(DemoLibraryTest, EveryKindOfExecutableIsWritten) {
    QList<QByteArray> executables;
    QDirIterator it(s_root, {QStringLiteral("*")}, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.section(u'/', -2, -2) == QLatin1StringView("MacOS"))
            executables.append(readAll(path).left(512));
    }
    const auto written = [&](ExecutableKind kind) {
        const QByteArray header = BundleWriter::executableHeader(kind);
        for (const QByteArray& executable : executables) {
            // The truncated header is a prefix of a complete one: it must be the whole file.
            if (executable.startsWith(header) &&
                (kind != ExecutableKind::truncated || executable.size() == header.size()))
                return true;
        }
        return false;
    };
    for (const ExecutableKind kind :
         {ExecutableKind::thinArm64, ExecutableKind::thinX86_64, ExecutableKind::thinArm64BigEndian,
          ExecutableKind::universalArmIntel, ExecutableKind::universalIntelI386,
          ExecutableKind::universal64ArmIntel, ExecutableKind::thin32, ExecutableKind::shellScript,
          ExecutableKind::truncated})
        EXPECT_TRUE(written(kind)) << int(kind);

    const QString missing =
        s_root + QStringLiteral("/Library/Audio/Plug-Ins/Components/Lossy Tape.component/Contents");
    EXPECT_TRUE(readAll(missing + QStringLiteral("/Info.plist")).contains("<key>CFBundleExecutable</key>"));
    EXPECT_FALSE(QFileInfo::exists(missing + QStringLiteral("/MacOS/Lossy Tape")));
}

TEST_F(DemoLibraryTest, PropertyListsVaryAsInstallersLeaveThem) {
    int binary = 0;
    int onlyBundleVersion = 0;
    int withoutBundleName = 0;
    int withComponents = 0;
    int withoutPropertyList = 0;
    QDirIterator it(s_root, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString bundle = it.next();
        if (!plugInExtensions.contains(QFileInfo(bundle).suffix().toLower()) || QFileInfo(bundle).isSymLink())
            continue;
        const QByteArray plist = readAll(bundle + QStringLiteral("/Contents/Info.plist"));
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

TEST_F(DemoLibraryTest, SampleLibrariesSitInVendorFolders) {
    const QString content = DemoLibrary::contentFolder(s_root);
    for (const QString& vendor : {QStringLiteral("Native Instruments"), QStringLiteral("Spitfire Audio")}) {
        const QStringList libraries =
            QDir(content + u'/' + vendor).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        EXPECT_GE(libraries.size(), 3) << vendor.toStdString();
        for (const QString& library : libraries) {
            QDirIterator files(content + u'/' + vendor + u'/' + library, QDir::Files,
                               QDirIterator::Subdirectories);
            EXPECT_TRUE(files.hasNext()) << library.toStdString();
        }
    }
}

TEST_F(DemoLibraryTest, RefusesWhatItCannotWriteInto) {
    QTemporaryDir other;
    ASSERT_TRUE(other.isValid());
    QFile file(other.filePath(QStringLiteral("file")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    const DemoLibrary::Result intoFile =
        DemoLibrary::write(other.filePath(QStringLiteral("file")), options(3, 1));
    EXPECT_FALSE(intoFile.ok);
    EXPECT_EQ(intoFile.error,
              QStringLiteral("%1 is a file, not a folder.").arg(other.filePath(QStringLiteral("file"))));

    const DemoLibrary::Result intoFull = DemoLibrary::write(other.path(), options(3, 1));
    EXPECT_FALSE(intoFull.ok);
    EXPECT_EQ(intoFull.error,
              QStringLiteral("The folder %1 is not empty; choose a new or empty folder.").arg(other.path()));

    const DemoLibrary::Result underFile =
        DemoLibrary::write(other.filePath(QStringLiteral("file/below")), options(3, 1));
    EXPECT_FALSE(underFile.ok);
    EXPECT_EQ(underFile.error, QStringLiteral("Could not write the sample library under %1.")
                                   .arg(other.filePath(QStringLiteral("file/below"))));

    const DemoLibrary::Result negative =
        DemoLibrary::write(other.filePath(QStringLiteral("new")), options(-1, 1));
    EXPECT_FALSE(negative.ok);
    EXPECT_EQ(negative.error, QStringLiteral("The number of bundles must be between 0 and 100000."));
    EXPECT_FALSE(QFileInfo::exists(other.filePath(QStringLiteral("new"))));
}

} // namespace
