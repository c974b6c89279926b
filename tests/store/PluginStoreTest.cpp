#include "UpsertFixture.h"

#include "support/ContentTree.h"

#include "discovery/BundleTree.h"
#include "discovery/FolderBookmark.h"
#include "store/PluginStore.h"

#include <QFutureWatcher>
#include <QPointer>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>

namespace {

constexpr int hangGuard = 60000; // ms; only so that a broken build ends instead of hanging

class PluginStoreTest : public UpsertFixture {
protected:
    void SetUp() override
    {
        UpsertFixture::SetUp();
        ASSERT_TRUE(m_tree.isValid());
        m_roots = {m_tree.path(QStringLiteral("system")), m_tree.path(QStringLiteral("home"))};
    }

    void grant(const QString& relative)
    {
        const QString path = m_tree.folder(relative);
        store().insert(new ScanBookmark(path, FolderBookmark::create(path)));
    }

    ContentLibraryFolder* addContentFolder(const QString& relative)
    {
        const QString path = m_tree.folder(relative);
        return store().insert(new ContentLibraryFolder(path, QStringLiteral("Samples"), {}, FolderBookmark::create(path)));
    }

    // A record with a found install at a path no grant covers, saved.
    PluginInstall* foundElsewhere(const QString& name)
    {
        PluginInstall* install = addInstall(addRecord(name, QStringLiteral("Foo")),
                                            QStringLiteral("/nowhere/%1.vst3").arg(name));
        EXPECT_TRUE(store().save());
        return install;
    }

    static void waitForEnd(QSignalSpy& finished, int count = 1)
    {
        ASSERT_TRUE(QTest::qWaitFor([&] { return finished.count() >= count; }, hangGuard));
    }

    // One refresh, start to end.
    void refreshOnce(PluginStore& plugins)
    {
        QSignalSpy finished(&plugins, &PluginStore::refreshFinished);
        plugins.refresh();
        ASSERT_TRUE(plugins.isScanning());
        waitForEnd(finished);
    }

    ContentTree m_tree;
    ScanRoots m_roots;
};

TEST_F(PluginStoreTest, RefreshScansTheGrantsMergesThenMeasuresTheContent)
{
    BundleTree::plugin(m_tree.path(QStringLiteral("Drive/Reverb.vst3")));
    BundleTree::plugin(m_tree.path(QStringLiteral("Drive/Sub/Synth.clap")));
    BundleTree::plugin(m_tree.path(QStringLiteral("Elsewhere/Ignored.vst3")));
    grant(QStringLiteral("Drive"));
    m_tree.file(QStringLiteral("Samples/Spitfire Audio/Solo Strings/a.wav"), 10);
    ContentLibraryFolder* content = addContentFolder(QStringLiteral("Samples"));
    ASSERT_TRUE(store().save());

    PluginStore plugins(store(), m_roots);
    QSignalSpy scanning(&plugins, &PluginStore::isScanningChanged);
    QSignalSpy dated(&plugins, &PluginStore::lastScanDateChanged);
    QSignalSpy errors(&plugins, &PluginStore::lastErrorChanged);
    QSignalSpy progress(&plugins, &PluginStore::progress);
    // The content step comes after the upsert and the date.
    int installsWhenDated = -1;
    bool contentMeasuredWhenDated = true;
    QObject::connect(&plugins, &PluginStore::lastScanDateChanged, &plugins, [&] {
        installsWhenDated = int(store().installs().size());
        contentMeasuredWhenDated = content->lastScannedAt().isValid();
    });

    const QDateTime before = QDateTime::currentDateTimeUtc();
    refreshOnce(plugins);
    const QDateTime after = QDateTime::currentDateTimeUtc();

    EXPECT_FALSE(plugins.isScanning());
    EXPECT_EQ(scanning.count(), 2);
    EXPECT_EQ(dated.count(), 1);
    EXPECT_EQ(errors.count(), 0);
    EXPECT_TRUE(plugins.lastError().isEmpty());
    EXPECT_LE(before, plugins.lastScanDate());
    EXPECT_LE(plugins.lastScanDate(), after);
    EXPECT_EQ(installsWhenDated, 2);
    EXPECT_FALSE(contentMeasuredWhenDated);

    EXPECT_EQ(plugins.lastSummary().searchedFolders, QStringList{m_tree.path(QStringLiteral("Drive"))});
    // The totals are those after the content step.
    EXPECT_EQ(plugins.lastSummary().contentBytes, 10);
    EXPECT_EQ(content->totalBytes(), 10);
    EXPECT_LE(plugins.lastScanDate(), content->lastScannedAt());
    ASSERT_EQ(store().contentItems().size(), 1);
    EXPECT_EQ(store().contentItems()[0]->name(), QStringLiteral("Solo Strings"));

    // Plug-in counts first, then the libraries with the final plug-in counts beside them.
    ASSERT_GE(progress.count(), 2);
    const QList<QVariant> lastPluginReport = progress.at(progress.count() - 2);
    EXPECT_EQ(lastPluginReport.at(1).toInt(), 2);
    EXPECT_EQ(lastPluginReport.at(2).toInt(), 0);
    const QList<QVariant> lastReport = progress.last();
    EXPECT_EQ(lastReport.at(0), lastPluginReport.at(0));
    EXPECT_EQ(lastReport.at(1).toInt(), 2);
    EXPECT_EQ(lastReport.at(2).toInt(), 1);
}

// A link to itself stands for any folder that cannot be listed: it cannot be, even by root.
TEST_F(PluginStoreTest, AFolderThatCannotBeListedIsInTheSummary)
{
    const QString loop = m_tree.path(QStringLiteral("Loop"));
    ASSERT_TRUE(QFile::link(QStringLiteral("Loop"), loop));
    store().insert(new ScanBookmark(loop, FolderBookmark::create(loop)));
    ASSERT_TRUE(store().save());

    PluginStore plugins(store(), m_roots);
    refreshOnce(plugins);

    const QList<UnreadableFolder> expected{{loop, QStringLiteral("Too many levels of symbolic links")}};
    EXPECT_EQ(plugins.lastSummary().unreadableFolders, expected);
    EXPECT_EQ(plugins.lastSummary().unreadableText(), QStringLiteral("Could not read 1 folder"));
}

TEST_F(PluginStoreTest, SecondRequestWhileOneRunsIsDropped)
{
    BundleTree::plugin(m_tree.path(QStringLiteral("Drive/Reverb.vst3")));
    grant(QStringLiteral("Drive"));
    m_tree.file(QStringLiteral("Samples/Spitfire Audio/Solo Strings/a.wav"), 10);
    addContentFolder(QStringLiteral("Samples"));

    PluginStore plugins(store(), m_roots);
    QSignalSpy finished(&plugins, &PluginStore::refreshFinished);
    QSignalSpy scanning(&plugins, &PluginStore::isScanningChanged);
    QSignalSpy errors(&plugins, &PluginStore::lastErrorChanged);
    // Also during the content step.
    QObject::connect(&plugins, &PluginStore::lastScanDateChanged, &plugins, [&] { plugins.refresh(); });

    plugins.refresh();
    plugins.refresh();
    EXPECT_TRUE(plugins.isScanning());
    EXPECT_EQ(scanning.count(), 1);
    waitForEnd(finished);
    QCoreApplication::processEvents();

    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(scanning.count(), 2);
    EXPECT_FALSE(plugins.isScanning());
    EXPECT_EQ(errors.count(), 0);
    EXPECT_EQ(store().installs().size(), 1);

    // Idle again: the next request runs.
    refreshOnce(plugins);
    EXPECT_EQ(finished.count(), 2);
}

TEST_F(PluginStoreTest, NoGrantsMarksEveryFoundInstallNotFound)
{
    PluginInstall* install = foundElsewhere(QStringLiteral("Reverb"));
    PluginStore plugins(store(), m_roots);

    refreshOnce(plugins);

    EXPECT_EQ(install->status(), InstallStatus::notFound);
    EXPECT_TRUE(plugins.lastScanDate().isValid());
    EXPECT_TRUE(plugins.lastError().isEmpty());
    EXPECT_EQ(plugins.lastSummary().changes.installsMarkedNotFound, 1);
    EXPECT_EQ(plugins.lastSummary().missingPaths, QStringList{install->filePath()});
    EXPECT_TRUE(plugins.lastSummary().searchedFolders.isEmpty());
    EXPECT_EQ(plugins.lastSummary().briefText(), QStringLiteral("1 missing"));
    EXPECT_FALSE(store().hasChanges());
}

TEST_F(PluginStoreTest, FailedSaveSetsTheErrorAndSkipsTheContentStepUntilASuccessfulRefresh)
{
    PluginStore plugins(store(), m_roots);
    refreshOnce(plugins);
    const QDateTime firstScan = plugins.lastScanDate();
    ASSERT_TRUE(firstScan.isValid());

    PluginInstall* install = foundElsewhere(QStringLiteral("Reverb"));
    m_tree.file(QStringLiteral("Samples/Spitfire Audio/Solo Strings/a.wav"), 10);
    ContentLibraryFolder* content = addContentFolder(QStringLiteral("Samples"));
    ASSERT_TRUE(store().save());
    store().setBusyTimeout(50);

    QSignalSpy errors(&plugins, &PluginStore::lastErrorChanged);
    QSignalSpy dated(&plugins, &PluginStore::lastScanDateChanged);
    {
        RawDatabase lock(path());
        ASSERT_TRUE(lock.exec(QStringLiteral("BEGIN IMMEDIATE")));
        refreshOnce(plugins);
    }
    EXPECT_EQ(plugins.lastError(),
              QStringLiteral("Could not save the catalogue \"%1\": The catalogue is locked by another process. "
                             "(database is locked)")
                  .arg(path()));
    EXPECT_EQ(errors.count(), 1);
    EXPECT_EQ(dated.count(), 0);
    EXPECT_EQ(plugins.lastScanDate(), firstScan);
    EXPECT_FALSE(plugins.isScanning());
    EXPECT_FALSE(content->lastScannedAt().isValid());
    EXPECT_TRUE(store().contentItems().isEmpty());
    EXPECT_EQ(plugins.lastSummary().changes.installsMarkedNotFound, 1);

    refreshOnce(plugins);
    EXPECT_TRUE(plugins.lastError().isEmpty());
    EXPECT_EQ(errors.count(), 2);
    EXPECT_EQ(dated.count(), 1);
    EXPECT_LE(firstScan, plugins.lastScanDate());
    EXPECT_EQ(install->status(), InstallStatus::notFound);
    EXPECT_TRUE(content->lastScannedAt().isValid());
    EXPECT_EQ(store().contentItems().size(), 1);
    EXPECT_FALSE(store().hasChanges());
}

TEST_F(PluginStoreTest, EventLoopRunsDuringBothScans)
{
    BundleTree::plugin(m_tree.path(QStringLiteral("Drive/Reverb.vst3")));
    grant(QStringLiteral("Drive"));
    m_tree.file(QStringLiteral("Samples/Spitfire Audio/Solo Strings/a.wav"), 10);
    addContentFolder(QStringLiteral("Samples"));
    PluginStore plugins(store(), m_roots);

    // Each scan holds its worker at its first report until a timer on this thread has fired;
    // were this thread waiting for the scan, the timer could not fire.
    QSemaphore pluginTimerFired;
    QSemaphore contentTimerFired;
    std::atomic<int> pluginWaits{0};
    std::atomic<int> contentWaits{0};
    QObject worker;
    QObject::connect(
        &plugins.scanner(), &PluginScanner::progress, &worker,
        [&](int, int) {
            if (pluginWaits == 0)
                pluginWaits = pluginTimerFired.tryAcquire(1, hangGuard) ? 1 : -1;
        },
        Qt::DirectConnection);
    QObject::connect(
        &plugins.contentScanner(), &ContentLibraryScanner::progress, &worker,
        [&](int) {
            if (contentWaits == 0)
                contentWaits = contentTimerFired.tryAcquire(1, hangGuard) ? 1 : -1;
        },
        Qt::DirectConnection);
    QObject::connect(&plugins, &PluginStore::lastScanDateChanged, &plugins,
                     [&] { QTimer::singleShot(0, &plugins, [&] { contentTimerFired.release(); }); });

    QSignalSpy finished(&plugins, &PluginStore::refreshFinished);
    plugins.refresh();
    QTimer::singleShot(0, &plugins, [&] { pluginTimerFired.release(); });
    waitForEnd(finished);

    EXPECT_EQ(pluginWaits, 1);
    EXPECT_EQ(contentWaits, 1);
    EXPECT_EQ(store().installs().size(), 1);
    EXPECT_EQ(store().contentItems().size(), 1);
}

TEST_F(PluginStoreTest, DestroyedDuringThePluginScanRunsNothingMore)
{
    BundleTree::plugin(m_tree.path(QStringLiteral("Drive/Reverb.vst3")));
    grant(QStringLiteral("Drive"));
    auto plugins = std::make_unique<PluginStore>(store(), m_roots);
    QSemaphore entered;
    QSemaphore proceed;
    QObject worker;
    QObject::connect(
        &plugins->scanner(), &PluginScanner::progress, &worker,
        [&](int, int) {
            entered.release();
            static_cast<void>(proceed.tryAcquire(1, hangGuard));
        },
        Qt::DirectConnection);

    plugins->refresh();
    ASSERT_TRUE(entered.tryAcquire(1, hangGuard));
    proceed.release(100);
    plugins.reset();
    QCoreApplication::processEvents();

    EXPECT_TRUE(store().installs().isEmpty());
    EXPECT_TRUE(store().records().isEmpty());
}

TEST_F(PluginStoreTest, DestroyedDuringTheContentStepIsSafe)
{
    BundleTree::plugin(m_tree.path(QStringLiteral("Drive/Reverb.vst3")));
    grant(QStringLiteral("Drive"));
    for (int i = 0; i < 20; ++i)
        m_tree.file(QStringLiteral("Samples/Spitfire Audio/Library %1/a.wav").arg(i), 10);
    addContentFolder(QStringLiteral("Samples"));
    auto plugins = std::make_unique<PluginStore>(store(), m_roots);
    QSignalSpy finished(plugins.get(), &PluginStore::refreshFinished);
    bool dated = false;
    QObject::connect(plugins.get(), &PluginStore::lastScanDateChanged, plugins.get(), [&] { dated = true; });

    plugins->refresh();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dated; }, hangGuard));
    plugins.reset();

    // Whatever the content scan finished is written; then nothing of the refresh is left.
    ASSERT_TRUE(QTest::qWaitFor([&] { return store().findChildren<QFutureWatcherBase*>().isEmpty(); }, hangGuard));
    EXPECT_EQ(finished.count(), 0);
    EXPECT_EQ(store().installs().size(), 1);
    EXPECT_LE(store().contentItems().size(), 20);
}

} // namespace
