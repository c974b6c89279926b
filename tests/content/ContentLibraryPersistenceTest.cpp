#include "support/ContentTree.h"

#include "content/ContentLibraryPersistence.h"
#include "content/ContentLibraryScanner.h"
#include "discovery/FolderBookmark.h"
#include "model/CatalogStore.h"

#include <QDir>
#include <QFutureWatcher>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include "support/RawDatabase.h"
#include "support/QtPrinters.h"
#include "support/TemporaryCatalogue.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct Library {
    QString rootPath;
    QString path;
    QString name;
    QString publisher;
    qint64 totalBytes;
    ContentLibraryStatus status;

    bool operator==(const Library&) const = default;
};

void PrintTo(const Library& library, std::ostream* out)
{
    *out << '{' << library.rootPath.toStdString() << " | " << library.path.toStdString() << " | "
         << library.name.toStdString() << " | " << library.publisher.toStdString() << " | " << library.totalBytes
         << " | " << rawValue(library.status).toStdString() << '}';
}

class ContentLibraryPersistenceTest : public TemporaryCatalogue {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_tree.isValid());
        TemporaryCatalogue::SetUp();
    }

    ContentLibraryFolder* addFolder(const QString& relative)
    {
        const QString path = m_tree.path(relative);
        return m_store->insert(new ContentLibraryFolder(path, QStringLiteral("Label"), QStringLiteral("Maker"),
                                                        FolderBookmark::create(path)));
    }

    [[nodiscard]] QFuture<void> start()
    {
        return QFuture<void>(ContentLibraryPersistence::refreshContentLibraries(*m_store, m_scanner));
    }

    static void finish(QFuture<void> future)
    {
        ASSERT_TRUE(QTest::qWaitFor([&] { return future.isFinished(); }, 60000));
        EXPECT_FALSE(future.isCanceled());
    }

    void refresh() { finish(start()); }

    ContentLibraryItem* item(const QString& relative) const
    {
        ContentLibraryItem* found = nullptr;
        for (ContentLibraryItem* item : m_store->contentItems()) {
            if (item->path() == m_tree.path(relative)) {
                EXPECT_EQ(found, nullptr) << "two items for " << relative.toStdString();
                found = item;
            }
        }
        return found;
    }

    QList<Library> libraries() const
    {
        QList<Library> list;
        for (const ContentLibraryItem* item : m_store->contentItems())
            list.append({item->rootPath(), item->path(), item->name(), item->publisher(), item->totalBytes(),
                         item->status()});
        return list;
    }

    Library library(const QString& root, const QString& relative, const QString& publisher, qint64 bytes,
                    ContentLibraryStatus status = ContentLibraryStatus::found) const
    {
        return {m_tree.path(root), m_tree.path(relative), QDir(relative).dirName(), publisher, bytes, status};
    }

    ContentTree m_tree;
    ContentLibraryScanner m_scanner;
};

TEST_F(ContentLibraryPersistenceTest, NoContentFoldersScansAndSavesNothing)
{
    m_tree.file("Drive/Spitfire Audio/Albion One/a.wav", 20);
    m_store->insert(new ScanBookmark(QStringLiteral("/pending"), QByteArray("/pending")));
    ASSERT_TRUE(m_store->hasChanges());

    // Done before returning: a scan would need the event loop to deliver its results.
    const QFuture<void> future = start();
    EXPECT_TRUE(future.isFinished());
    EXPECT_FALSE(future.isCanceled());
    EXPECT_TRUE(m_store->hasChanges());
    EXPECT_TRUE(m_store->contentItems().isEmpty());
}

TEST_F(ContentLibraryPersistenceTest, StoresTheRootsTotalAndOneItemPerLibraryAndSaves)
{
    m_tree.file("Drive/Spitfire Audio/Solo Strings/a.wav", 10);
    m_tree.file("Drive/Spitfire Audio/Albion One/a.wav", 20);
    m_tree.file("Drive/Heavyocity/Damage/a.wav", 40);
    m_tree.file("Drive/Holiday Photos/a.jpg", 1000);
    ContentLibraryFolder* folder = addFolder(QStringLiteral("Drive"));
    folder->setStatus(ContentLibraryStatus::notFound);

    const QDateTime before = QDateTime::currentDateTimeUtc();
    refresh();
    const QDateTime after = QDateTime::currentDateTimeUtc();

    EXPECT_EQ(folder->totalBytes(), 70);
    EXPECT_EQ(folder->status(), ContentLibraryStatus::found);
    EXPECT_LE(before, folder->lastScannedAt());
    EXPECT_LE(folder->lastScannedAt(), after);
    EXPECT_EQ(folder->name(), QStringLiteral("Label"));
    EXPECT_EQ(folder->publisher(), QStringLiteral("Maker"));
    EXPECT_EQ(folder->path(), m_tree.path(QStringLiteral("Drive")));
    EXPECT_EQ(libraries(), (QList<Library>{
                               library("Drive", "Drive/Heavyocity", "Heavyocity", 40),
                               library("Drive", "Drive/Spitfire Audio/Albion One", "Spitfire Audio", 20),
                               library("Drive", "Drive/Spitfire Audio/Solo Strings", "Spitfire Audio", 10),
                           }));
    for (const ContentLibraryItem* item : m_store->contentItems())
        EXPECT_EQ(item->lastScannedAt(), folder->lastScannedAt());
    EXPECT_FALSE(m_store->hasChanges());
    // Nothing of the refresh is left behind in the store.
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_store->findChildren<QFutureWatcherBase*>().isEmpty(); }, 60000));

    const QList<Library> stored = libraries();
    reopen();
    EXPECT_EQ(libraries(), stored);
    ASSERT_EQ(m_store->contentFolders().size(), 1);
    EXPECT_EQ(m_store->contentFolders()[0]->totalBytes(), 70);
}

TEST_F(ContentLibraryPersistenceTest, RenamedLibraryLeavesTheOldItemNotFoundAndAddsTheNewOne)
{
    m_tree.file("Native Instruments/Kontakt Factory/a.nki", 100);
    m_tree.file("Native Instruments/Massive Expansion/b.bin", 200);
    ContentLibraryFolder* folder = addFolder(QStringLiteral("Native Instruments"));
    refresh();
    ContentLibraryItem* kontakt = item(QStringLiteral("Native Instruments/Kontakt Factory"));
    ContentLibraryItem* massive = item(QStringLiteral("Native Instruments/Massive Expansion"));
    ASSERT_TRUE(kontakt && massive);

    ASSERT_TRUE(QDir().rename(m_tree.path(QStringLiteral("Native Instruments/Massive Expansion")),
                              m_tree.path(QStringLiteral("Native Instruments/Massive X"))));
    const QDateTime before = QDateTime::currentDateTimeUtc();
    refresh();
    const QDateTime after = QDateTime::currentDateTimeUtc();

    EXPECT_EQ(libraries(), (QList<Library>{
                               library("Native Instruments", "Native Instruments/Kontakt Factory", "Native Instruments", 100),
                               library("Native Instruments", "Native Instruments/Massive Expansion", "Native Instruments",
                                       0, ContentLibraryStatus::notFound),
                               library("Native Instruments", "Native Instruments/Massive X", "Native Instruments", 200),
                           }));
    EXPECT_EQ(item(QStringLiteral("Native Instruments/Kontakt Factory")), kontakt);
    EXPECT_EQ(item(QStringLiteral("Native Instruments/Massive Expansion")), massive);
    EXPECT_LE(before, massive->lastScannedAt());
    EXPECT_LE(massive->lastScannedAt(), after);
    EXPECT_EQ(folder->totalBytes(), 300);

    // Back again: the stored item is found again, never duplicated.
    ASSERT_TRUE(QDir().rename(m_tree.path(QStringLiteral("Native Instruments/Massive X")),
                              m_tree.path(QStringLiteral("Native Instruments/Massive Expansion"))));
    refresh();
    EXPECT_EQ(item(QStringLiteral("Native Instruments/Massive Expansion")), massive);
    EXPECT_EQ(massive->status(), ContentLibraryStatus::found);
    EXPECT_EQ(massive->totalBytes(), 200);
    EXPECT_EQ(item(QStringLiteral("Native Instruments/Massive X"))->status(), ContentLibraryStatus::notFound);
    EXPECT_EQ(m_store->contentItems().size(), 3);
}

// Whether the folder is gone or its grant cannot be resolved is the scanner's to tell.
TEST_F(ContentLibraryPersistenceTest, UnreachableRootMarksTheRootAndAllItsLibrariesNotFound)
{
    m_tree.file("Gone/Spitfire Audio/Solo Strings/a.wav", 10);
    m_tree.file("Gone/Spitfire Audio/Albion One/a.wav", 20);
    ContentLibraryFolder* folder = addFolder(QStringLiteral("Gone"));
    refresh();
    ASSERT_EQ(m_store->contentItemsWithRootPath(folder->path()).size(), 2);

    ASSERT_TRUE(QDir(m_tree.path(QStringLiteral("Gone"))).removeRecursively());
    const QDateTime before = QDateTime::currentDateTimeUtc();
    refresh();
    const QDateTime after = QDateTime::currentDateTimeUtc();

    EXPECT_EQ(folder->status(), ContentLibraryStatus::notFound);
    EXPECT_EQ(folder->totalBytes(), 0);
    EXPECT_LE(before, folder->lastScannedAt());
    EXPECT_LE(folder->lastScannedAt(), after);
    const QList<ContentLibraryItem*> items = m_store->contentItemsWithRootPath(folder->path());
    ASSERT_EQ(items.size(), 2);
    for (const ContentLibraryItem* item : items) {
        EXPECT_EQ(item->status(), ContentLibraryStatus::notFound);
        EXPECT_EQ(item->totalBytes(), 0);
        EXPECT_LE(before, item->lastScannedAt());
        EXPECT_LE(item->lastScannedAt(), after);
    }
}

TEST_F(ContentLibraryPersistenceTest, LibraryFoundUnderAnotherRootKeepsItsItemAndTakesTheNewRoot)
{
    m_tree.file("Drive/Spitfire Audio/Solo Strings/a.wav", 10);
    m_tree.file("Drive/Heavyocity/Damage/a.wav", 40);
    ContentLibraryFolder* vendor = addFolder(QStringLiteral("Drive/Spitfire Audio"));
    refresh();
    ContentLibraryItem* strings = item(QStringLiteral("Drive/Spitfire Audio/Solo Strings"));
    ASSERT_TRUE(strings);
    EXPECT_EQ(strings->rootPath(), m_tree.path(QStringLiteral("Drive/Spitfire Audio")));

    m_store->remove(vendor);
    addFolder(QStringLiteral("Drive"));
    // Items of roots no longer stored are left alone.
    auto* orphan = new ContentLibraryItem;
    orphan->setRootPath(m_tree.path(QStringLiteral("Old")));
    orphan->setPath(m_tree.path(QStringLiteral("Old/Lib")));
    orphan->setName(QStringLiteral("Lib"));
    orphan->setTotalBytes(123);
    const QDateTime longAgo(QDate(2020, 1, 2), QTime(3, 4), Qt::UTC);
    orphan->setLastScannedAt(longAgo);
    m_store->insert(orphan);
    refresh();

    EXPECT_EQ(item(QStringLiteral("Drive/Spitfire Audio/Solo Strings")), strings);
    EXPECT_EQ(libraries(), (QList<Library>{
                               library("Drive", "Drive/Spitfire Audio/Solo Strings", "Spitfire Audio", 10),
                               library("Old", "Old/Lib", {}, 123),
                               library("Drive", "Drive/Heavyocity", "Heavyocity", 40),
                           }));
    EXPECT_EQ(orphan->lastScannedAt(), longAgo);
}

// A root or an item removed before the event loop can deliver the scan's results: nothing is
// written for the root, and the item is not written through a dangling pointer but found anew.
TEST_F(ContentLibraryPersistenceTest, RootOrItemRemovedWhileTheScanRunsGetsNothingWritten)
{
    m_tree.file("Kept/Spitfire Audio/Solo Strings/a.wav", 10);
    m_tree.file("Removed/Spitfire Audio/Albion One/a.wav", 20);
    addFolder(QStringLiteral("Kept"));
    ContentLibraryFolder* removed = addFolder(QStringLiteral("Removed"));
    refresh();
    QPointer<ContentLibraryItem> strings = item(QStringLiteral("Kept/Spitfire Audio/Solo Strings"));
    ContentLibraryItem* albion = item(QStringLiteral("Removed/Spitfire Audio/Albion One"));
    ASSERT_TRUE(strings && albion);
    const QDateTime scannedAt = albion->lastScannedAt();

    // One library renamed, one added: both would be written if the results were used.
    ASSERT_TRUE(QDir().rename(m_tree.path(QStringLiteral("Removed/Spitfire Audio/Albion One")),
                              m_tree.path(QStringLiteral("Removed/Spitfire Audio/Albion Two"))));
    m_tree.file("Removed/Spitfire Audio/Originals/a.wav", 30);
    m_tree.file("Kept/Spitfire Audio/Originals/a.wav", 30);

    const QFuture<void> future = start();
    m_store->remove(removed);
    m_store->remove(strings);
    finish(future);

    EXPECT_TRUE(strings.isNull());
    EXPECT_EQ(m_store->contentFolders().size(), 1);
    EXPECT_EQ(libraries(), (QList<Library>{
                               library("Removed", "Removed/Spitfire Audio/Albion One", "Spitfire Audio", 20),
                               library("Kept", "Kept/Spitfire Audio/Originals", "Spitfire Audio", 30),
                               library("Kept", "Kept/Spitfire Audio/Solo Strings", "Spitfire Audio", 10),
                           }));
    EXPECT_EQ(item(QStringLiteral("Removed/Spitfire Audio/Albion One")), albion);
    EXPECT_EQ(albion->lastScannedAt(), scannedAt);
}

TEST_F(ContentLibraryPersistenceTest, FailedSaveIsIgnoredAndTheChangesStayPending)
{
    m_tree.file("Drive/Spitfire Audio/Solo Strings/a.wav", 10);
    ContentLibraryFolder* folder = addFolder(QStringLiteral("Drive"));
    ASSERT_TRUE(m_store->save());
    m_store->setBusyTimeout(50);
    {
        RawDatabase lock(path());
        ASSERT_TRUE(lock.exec(QStringLiteral("BEGIN IMMEDIATE")));
        refresh();
        EXPECT_EQ(folder->totalBytes(), 10);
        EXPECT_EQ(m_store->contentItems().size(), 1);
        EXPECT_TRUE(m_store->hasChanges());
    }
    ASSERT_TRUE(m_store->save());
    reopen();
    EXPECT_EQ(m_store->contentItems().size(), 1);
}

TEST_F(ContentLibraryPersistenceTest, StoreDestroyedWhileTheScanRunsCancelsTheFuture)
{
    m_tree.file("Drive/Spitfire Audio/Solo Strings/a.wav", 10);
    addFolder(QStringLiteral("Drive"));
    const QFuture<void> future = start();
    m_store.reset();
    EXPECT_TRUE(future.isFinished());
    EXPECT_TRUE(future.isCanceled());
    QCoreApplication::processEvents();
}

} // namespace
