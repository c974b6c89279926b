#include "discovery/BundleWalker.h"
#include "discovery/DirectorySize.h"

#include "BundleTree.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

QDateTime setModified(const QString& path, const QDateTime& when)
{
    const qint64 ms = when.toMSecsSinceEpoch();
    const timespec times[2] = {{ms / 1000, (ms % 1000) * 1'000'000 + 123},
                               {ms / 1000, (ms % 1000) * 1'000'000 + 456}};
    EXPECT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW), 0);
    return when;
}

std::optional<QDateTime> birthTime(const QString& path)
{
    struct statx info {};
    if (::statx(AT_FDCWD, QFile::encodeName(path).constData(), AT_SYMLINK_NOFOLLOW, STATX_BTIME, &info) !=
            0 ||
        !(info.stx_mask & STATX_BTIME))
        return std::nullopt;
    return QDateTime::fromMSecsSinceEpoch(
        qint64(info.stx_btime.tv_sec) * 1000 + info.stx_btime.tv_nsec / 1'000'000, Qt::UTC);
}

// A missing or unnamed executable leaves the architecture unknown; without a property list there
// is no plug-in.
TEST(BundleWalker, MissingPartsOfABundle)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(u"Missing.vst3"_s);
    BundleTree::bundle(missing, BundleTree::info(u"Missing"_s), ExecutableKind::missing);
    QVariantMap noKey = BundleTree::info(u"NoKey"_s);
    noKey.remove(u"CFBundleExecutable"_s);
    const QString unnamed = dir.filePath(u"NoKey.vst3"_s);
    BundleTree::bundle(unnamed, noKey);
    for (const QString& path : {missing, unnamed}) {
        const std::optional<ScannedPlugin> plugin = BundleWalker::makeScannedPlugin(path, PluginFormat::vst3);
        ASSERT_TRUE(plugin);
        EXPECT_EQ(plugin->architecture, PluginArchitecture::unknown);
    }
    BundleSpec bundleSpec;
    bundleSpec.path = dir.filePath(u"Broken.vst3"_s);
    bundleSpec.writePlist = false;
    ASSERT_TRUE(BundleWriter::write(bundleSpec));
    EXPECT_FALSE(BundleWalker::makeScannedPlugin(bundleSpec.path, PluginFormat::vst3));
    EXPECT_FALSE(BundleWalker::makeScannedPlugin(dir.filePath(u"Nowhere.vst3"_s), PluginFormat::vst3));
}

TEST(BundleWalker, ALinkedBundleCarriesTheLinksOwnDates)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(u"Real.vst3"_s);
    BundleTree::plugin(target);
    setModified(target, QDateTime(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC));
    const QString link = dir.filePath(u"Linked.vst3"_s);
    BundleTree::symlink(target, link);
    const QDateTime linkTime = setModified(link, QDateTime(QDate(2022, 2, 2), QTime(2, 2, 2, 2), Qt::UTC));
    const std::optional<ScannedPlugin> plugin = BundleWalker::makeScannedPlugin(link, PluginFormat::vst3);
    ASSERT_TRUE(plugin);
    EXPECT_EQ(plugin->dateModified, linkTime);
    EXPECT_EQ(plugin->installDate, birthTime(link).value_or(linkTime));
    EXPECT_EQ(plugin->filePath, link);
    EXPECT_EQ(plugin->architecture, PluginArchitecture::arm64);
    EXPECT_EQ(plugin->fileSize, 0);
    // The walk measures a linked bundle where the link leads.
    BundleWalker walker({}, {});
    const QList<ScannedPlugin> found = walker.scanRecursively(dir.path());
    ASSERT_EQ(found.size(), 2);
    for (const ScannedPlugin& each : found)
        EXPECT_EQ(each.fileSize, directorySize(target)) << each.filePath.toStdString();
}

TEST(BundleWalker, ProgressIsThrottledAndNeverRepeated)
{
    QTemporaryDir dir;
    for (int i = 0; i < 130; ++i)
        ASSERT_TRUE(QDir().mkpath(dir.filePath(u"Drive/f%1"_s.arg(i))));
    BundleTree::plugin(dir.filePath(u"Drive/f7/A.vst3"_s));
    QList<std::pair<int, int>> reports;
    BundleWalker walker({}, {{}, [&](int folders, int bundles) { reports.append({folders, bundles}); }});
    EXPECT_EQ(walker.scanRecursively(dir.filePath(u"Drive"_s)).size(), 1);
    walker.reportProgress();
    walker.reportProgress();
    ASSERT_EQ(reports.size(), 3);
    EXPECT_EQ(reports.at(0).first, 64);
    EXPECT_EQ(reports.at(1).first, 128);
    EXPECT_EQ(reports.at(2), std::make_pair(131, 1));
}

TEST(BundleWalker, StopsWhenCancelled)
{
    QTemporaryDir dir;
    BundleTree::plugin(dir.filePath(u"Drive/A.vst3"_s));
    BundleWalker walker({}, {[] { return true; }, {}});
    EXPECT_TRUE(walker.scanRecursively(dir.filePath(u"Drive"_s)).isEmpty());
    EXPECT_TRUE(walker.scanFormatFolder(dir.filePath(u"Drive"_s), PluginFormat::vst3).isEmpty());
}

// Sized by the walkers together, each bundle is what it is alone, in the walk's order, in a
// recursive walk and in a format folder alike, and walks that share the walkers give each its own.
TEST(BundleWalker, BundlesSizedTogetherEqualEachSizedAlone)
{
    QTemporaryDir dir;
    for (int i = 0; i < 24; ++i) {
        BundleSpec bundleSpec;
        bundleSpec.path = dir.filePath(u"Drive/v%1/Plug %2.vst3"_s.arg(i % 3).arg(i));
        bundleSpec.info = BundleTree::info(u"Plug %1"_s.arg(i));
        bundleSpec.resourceFiles = i % 5;
        bundleSpec.resourceBytes = qint64(i) * 10'007;
        ASSERT_TRUE(BundleWriter::write(bundleSpec));
    }
    BundleWalker walker({}, {});
    const QList<ScannedPlugin> drive = walker.scanRecursively(dir.filePath(u"Drive"_s));
    const QList<ScannedPlugin> v1 = walker.scanFormatFolder(dir.filePath(u"Drive/v1"_s), PluginFormat::vst3);
    ASSERT_EQ(drive.size(), 24);
    ASSERT_EQ(v1.size(), 8);
    for (const QString& folder : {u"Drive/v1"_s, u"Drive/missing"_s, u"Drive"_s, u"Drive/v2"_s})
        walker.walkRecursively(dir.filePath(folder));
    const QList<QList<ScannedPlugin>> shared = walker.finishWalks();
    ASSERT_EQ(shared.size(), 4);
    EXPECT_EQ(shared[0], v1);
    EXPECT_TRUE(shared[1].isEmpty());
    EXPECT_EQ(shared[2], drive);
    EXPECT_EQ(shared[3].size(), 8);
    EXPECT_TRUE(walker.finishWalks().isEmpty());
    for (const QList<ScannedPlugin>& found : {drive, v1}) {
        for (const ScannedPlugin& plugin : found) {
            std::optional<ScannedPlugin> alone = BundleWalker::makeScannedPlugin(plugin.filePath, plugin.format);
            ASSERT_TRUE(alone);
            alone->fileSize = directorySize(plugin.filePath);
            EXPECT_EQ(plugin, *alone) << plugin.filePath.toStdString();
        }
    }
}

} // namespace
