#include "UiCatalog.h"

#include "sample/DemoLibrary.h"
#include "sample/DemoSetup.h"
#include "store/PluginStore.h"
#include "ui/DashboardController.h"
#include "ui/LibraryController.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A refresh touches every install it finds over several turns of the event loop; the window
// shows the outcome with one list update and one dashboard computation when it ends.
class RefreshBatchTest : public TemporaryCatalogue {
protected:
    void SetUp() override
    {
        TemporaryCatalogue::SetUp();
        if (HasFatalFailure())
            return;
        m_root = m_dir.filePath(QStringLiteral("library"));
        DemoLibrary::Options options;
        options.bundles = 0; // the Linux and Windows plug-ins and the sample drive
        ASSERT_TRUE(DemoLibrary::write(m_root, options).ok);
        DemoSetup::grantFolders(*m_store, m_root);
        m_pluginStore = std::make_unique<PluginStore>(*m_store, DemoSetup::roots(m_root));
        m_library.setStore(m_store.get());
        m_library.setPluginStore(m_pluginStore.get());
        m_dashboard.setStore(m_store.get());
        m_dashboard.setPluginStore(m_pluginStore.get());
        m_library.componentComplete();
        m_dashboard.componentComplete();
        QTest::qWait(0);
    }

    // The list updates and dashboard computations from the start of a refresh until things settle.
    std::pair<qsizetype, qsizetype> refresh()
    {
        QSignalSpy finished(m_pluginStore.get(), &PluginStore::refreshFinished);
        QSignalSpy listed(&m_library, &LibraryController::listChanged);
        QSignalSpy computed(&m_dashboard, &DashboardController::figuresChanged);
        m_pluginStore->refresh();
        EXPECT_TRUE(finished.wait(60'000));
        EXPECT_TRUE(m_pluginStore->lastError().isEmpty()) << m_pluginStore->lastError().toStdString();
        QTest::qWait(200);
        return {listed.size(), computed.size()};
    }

    QString m_root;
    std::unique_ptr<PluginStore> m_pluginStore;
    LibraryController m_library;
    DashboardController m_dashboard;
};

TEST_F(RefreshBatchTest, OneListUpdateAndOneDashboardComputationPerRefresh)
{
    // Into the empty catalogue: every record and install is new.
    EXPECT_EQ(refresh(), std::make_pair(qsizetype(1), qsizetype(1)));
    const RefreshSummary first = m_pluginStore->lastSummary();
    ASSERT_GT(first.installs, 40);
    EXPECT_EQ(m_library.recordCount(), m_store->records().size());
    EXPECT_EQ(m_dashboard.viewModel()->totalInstalls(), first.installs);

    // Many installs go missing while every record stays: sizes and counts change in place.
    ASSERT_TRUE(QDir(m_root + QStringLiteral("/usr/lib/lv2")).removeRecursively());
    EXPECT_EQ(refresh(), std::make_pair(qsizetype(1), qsizetype(1)));
    const RefreshSummary second = m_pluginStore->lastSummary();
    EXPECT_GT(first.installs - second.installs, 5);
    EXPECT_EQ(m_dashboard.viewModel()->totalInstalls(), second.installs);
    EXPECT_EQ(m_dashboard.viewModel()->totalBytes(), second.pluginBytes);
}

} // namespace
