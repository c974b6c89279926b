#include "ScanFixture.h"

#include <QCoreApplication>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

class PluginScannerAsyncTest : public ScanFixture {
protected:
    void SetUp() override
    {
        BundleTree::plugin(other(u"Drive/A.vst3"_s));
        BundleTree::plugin(other(u"Drive/Sub/B.clap"_s));
    }
};

TEST_F(PluginScannerAsyncTest, RunsOnTheScannersOwnThreadAndReportsProgress)
{
    PluginScanner scanner(m_roots);
    std::atomic<QThread*> workerThread{nullptr};
    QObject::connect(
        &scanner, &PluginScanner::progress, &scanner,
        [&](int, int) { workerThread = QThread::currentThread(); }, Qt::DirectConnection);
    QObject receiver; // lives on this thread, so reports reach it queued
    QList<std::pair<int, int>> reports;
    QObject::connect(&scanner, &PluginScanner::progress, &receiver, [&](int folders, int bundles) {
        reports.append({folders, bundles});
    });
    QFuture<PluginScanResult> future = scanner.scan(grants({other(u"Drive"_s)}));
    EXPECT_EQ(future.result().plugins.size(), 2);
    ASSERT_NE(workerThread.load(), nullptr);
    EXPECT_NE(workerThread.load(), QThread::currentThread());

    // Queued to this thread: the last report carries the final counts (Drive and Sub walked).
    EXPECT_TRUE(reports.isEmpty());
    QCoreApplication::processEvents();
    ASSERT_FALSE(reports.isEmpty());
    EXPECT_EQ(reports.last(), std::make_pair(2, 2));
}

TEST_F(PluginScannerAsyncTest, ScansRunOneAfterAnotherAndDestroyingTheScannerWaitsForThem)
{
    auto scanner = std::make_unique<PluginScanner>(m_roots);
    QFuture<PluginScanResult> first = scanner->scan(grants({other(u"Drive"_s)}));
    QFuture<PluginScanResult> second = scanner->scan(grants({other(u"Drive/Sub"_s)}));
    QFuture<PluginScanResult> third = scanner->scan({});
    EXPECT_EQ(second.result().plugins.size(), 1);
    EXPECT_TRUE(first.isFinished()); // a single worker takes them in order
    EXPECT_EQ(first.result().plugins.size(), 2);
    EXPECT_TRUE(third.result().plugins.isEmpty());
    QFuture<PluginScanResult> last = scanner->scan(grants({other(u"Drive"_s)}));
    scanner.reset();
    EXPECT_TRUE(last.isFinished());
}

TEST_F(PluginScannerAsyncTest, CancelStopsEveryScanStartedBeforeIt)
{
    PluginScanner scanner(m_roots);
    bool cancelled = false;
    QObject::connect(
        &scanner, &PluginScanner::progress, &scanner,
        [&](int, int) {
            if (!cancelled) {
                cancelled = true;
                scanner.cancel();
            }
        },
        Qt::DirectConnection);
    // Two grants so that progress (and the cancel) comes between them.
    QFuture<PluginScanResult> running = scanner.scan(grants({other(u"Drive"_s), other(u"Drive/Sub"_s)}));
    QFuture<PluginScanResult> queued = scanner.scan(grants({other(u"Drive"_s)}));
    queued.waitForFinished();
    running.waitForFinished();
    EXPECT_TRUE(cancelled);
    EXPECT_TRUE(running.isCanceled());
    EXPECT_EQ(running.resultCount(), 0);
    EXPECT_TRUE(queued.isCanceled());

    QFuture<PluginScanResult> later = scanner.scan(grants({other(u"Drive"_s)}));
    EXPECT_FALSE(later.isCanceled());
    EXPECT_EQ(later.result().plugins.size(), 2);
}

TEST_F(PluginScannerAsyncTest, CancellingTheFutureStopsTheScan)
{
    PluginScanner scanner(m_roots);
    QFuture<PluginScanResult> future;
    QObject::connect(
        &scanner, &PluginScanner::progress, &scanner, [&](int, int) { future.cancel(); },
        Qt::DirectConnection);
    future = scanner.scan(grants({other(u"Drive"_s), other(u"Drive/Sub"_s)}));
    future.waitForFinished();
    EXPECT_TRUE(future.isCanceled());
}

} // namespace
