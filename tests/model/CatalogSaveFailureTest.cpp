#include "support/RawDatabase.h"

#include "model/CatalogStore.h"
#include "support/TemporaryCatalogue.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

class CatalogSaveFailureTest : public TemporaryCatalogue {
protected:
    void SetUp() override
    {
        TemporaryCatalogue::SetUp();
        m_record = m_store->insert(new PluginRecord(QStringLiteral("Echo")));
        m_doomed = m_store->insert(new PluginRecord(QStringLiteral("Doomed")));
        ASSERT_TRUE(m_store->save());
    }

    // Pending work of every kind: an update, an insert with a link, a delete.
    void makeChanges(int extraRecords = 0)
    {
        m_record->setNotes(QStringLiteral("pending"));
        m_record->addTag(m_store->insert(new Tag(QStringLiteral("New"))));
        m_store->remove(m_doomed);
        for (int i = 0; i < extraRecords; ++i)
            m_store->insert(new PluginRecord(QStringLiteral("Extra %1").arg(i)))
                ->setNotes(QString(200, QLatin1Char('n')));
    }

    void expectChangesSaved(int extraRecords = 0)
    {
        reopen();
        EXPECT_EQ(m_store->records().size(), 1 + extraRecords);
        PluginRecord* echo = m_store->fetch<PluginRecord>("name", QStringLiteral("Echo")).value(0);
        ASSERT_TRUE(echo);
        EXPECT_EQ(echo->notes(), QStringLiteral("pending"));
        ASSERT_EQ(echo->tags().size(), 1);
        EXPECT_EQ(echo->tags()[0]->name(), QStringLiteral("New"));
        EXPECT_TRUE(m_store->fetch<PluginRecord>("name", QStringLiteral("Doomed")).isEmpty());
    }

    PluginRecord* m_record = nullptr;
    PluginRecord* m_doomed = nullptr;
};

TEST_F(CatalogSaveFailureTest, LockedByAnotherWriterFailsAndKeepsEverythingPending)
{
    m_store->setBusyTimeout(50);
    RawDatabase other(path());
    ASSERT_TRUE(other.exec(QStringLiteral("BEGIN IMMEDIATE"))) << other.lastError().toStdString();
    makeChanges();

    const StoreResult failed = m_store->save();
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.errorDescription(),
              QStringLiteral("Could not save the catalogue \"%1\": The catalogue is locked by another process. "
                             "(database is locked)")
                  .arg(path()));
    EXPECT_TRUE(m_store->hasChanges());
    EXPECT_EQ(m_store->records(), QList<PluginRecord*>{m_record});
    EXPECT_EQ(other.value(QStringLiteral("SELECT count(*) FROM PluginRecord")).toInt(), 2);

    ASSERT_TRUE(other.exec(QStringLiteral("ROLLBACK")));
    const StoreResult retried = m_store->save();
    EXPECT_TRUE(retried) << retried.errorDescription().toStdString();
    EXPECT_FALSE(m_store->hasChanges());
    expectChangesSaved();
}

// Restores the file-size limit and the signal it raises, whatever the test does.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedHandler);
    }
    bool active() const { return m_active; }

private:
    rlimit m_saved{};
    void (*m_savedHandler)(int) = nullptr;
    bool m_active = false;
};

TEST_F(CatalogSaveFailureTest, WriteFailureRollsBackAndKeepsEverythingPending)
{
    constexpr int extra = 2000;
    makeChanges(extra);
    StoreResult failed = StoreResult::success();
    {
        // Room for what the files hold now, not for a save of this size.
        const qint64 used = std::max({QFileInfo(path()).size(), QFileInfo(path() + "-wal").size(),
                                      QFileInfo(path() + "-shm").size()});
        FileSizeLimit limit(rlim_t(used + 8192));
        ASSERT_TRUE(limit.active());
        failed = m_store->save();
    }
    EXPECT_FALSE(failed);
    EXPECT_TRUE(failed.errorDescription().startsWith(
        QStringLiteral("Could not save the catalogue \"%1\": The catalogue file could not be written or read. (")
            .arg(path())))
        << failed.errorDescription().toStdString();
    EXPECT_TRUE(m_store->hasChanges());
    {
        RawDatabase other(path());
        EXPECT_EQ(other.value(QStringLiteral("SELECT count(*) FROM PluginRecord")).toInt(), 2);
        EXPECT_EQ(other.value(QStringLiteral("SELECT notes FROM PluginRecord WHERE name = 'Echo'")).toString(),
                  QString());
    }

    const StoreResult retried = m_store->save();
    EXPECT_TRUE(retried) << retried.errorDescription().toStdString();
    expectChangesSaved(extra);
}

TEST_F(CatalogSaveFailureTest, AutosaveFailureIsReportedAndRetried)
{
    m_store->setBusyTimeout(20);
    auto failures = std::make_shared<QStringList>();
    QObject::connect(m_store.get(), &CatalogStore::autosaveFailed, m_store.get(),
                     [failures](const QString& error) { failures->append(error); });
    auto other = std::make_unique<RawDatabase>(path());
    ASSERT_TRUE(other->exec(QStringLiteral("BEGIN IMMEDIATE")));
    m_store->setAutosaveEnabled(true);
    makeChanges();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !failures->isEmpty(); }, 5000));
    EXPECT_TRUE(failures->first().contains(QStringLiteral("locked by another process")));
    EXPECT_TRUE(m_store->hasChanges());
    ASSERT_TRUE(other->exec(QStringLiteral("ROLLBACK")));
    other.reset();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m_store->hasChanges(); }, 10000));
    expectChangesSaved();
}

} // namespace
