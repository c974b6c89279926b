#include "StoreTesting.h"

#include "model/CatalogStore.h"
#include "support/TemporaryCatalogue.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using CatalogLiveTest = TemporaryCatalogue;

TEST_F(CatalogLiveTest, InsertedObjectsAreFetchedBeforeSaving)
{
    auto* record = m_store->insert(new PluginRecord(QStringLiteral("Echo")));
    auto* bookmark = m_store->insert(new ScanBookmark(QStringLiteral("/Plug-Ins"), QByteArray("/Plug-Ins")));
    EXPECT_EQ(m_store->records(), QList<PluginRecord*>{record});
    EXPECT_EQ(m_store->all<PluginRecord>(), QList<PluginRecord*>{record});
    EXPECT_EQ(m_store->scanBookmarksWithPath(QStringLiteral("/Plug-Ins")), QList<ScanBookmark*>{bookmark});
    EXPECT_TRUE(m_store->scanBookmarksWithPath(QStringLiteral("/plug-ins")).isEmpty());
    EXPECT_TRUE(m_store->contains(record));
    EXPECT_TRUE(m_store->hasChanges());
    EXPECT_EQ(record->parent(), m_store.get());
}

TEST_F(CatalogLiveTest, FetchMatchesOneTextFieldExactlyAndSorts)
{
    const auto item = [&](const char* root, const char* name, qint64 bytes) {
        auto* i = m_store->insert(new ContentLibraryItem);
        i->setRootPath(QString::fromUtf8(root));
        i->setName(QString::fromUtf8(name));
        i->setTotalBytes(bytes);
        return i;
    };
    auto* kitB = item("/Samples", "Kit", 20);
    auto* pads = item("/Samples", "Pads", 5);
    item("/Samples/", "Other", 1);
    auto* kitA = item("/Samples", "Kit", 10);
    EXPECT_EQ(m_store->contentItemsWithRootPath(QStringLiteral("/Samples")),
              (QList<ContentLibraryItem*>{kitB, pads, kitA}));
    EXPECT_EQ(m_store->fetch<ContentLibraryItem>("rootPath", QStringLiteral("/Samples"), {"name", "totalBytes"}),
              (QList<ContentLibraryItem*>{kitA, kitB, pads}));
    EXPECT_EQ(m_store->fetch<ContentLibraryItem>("rootPath", QStringLiteral("/Samples"), {"totalBytes"}),
              (QList<ContentLibraryItem*>{pads, kitA, kitB}));
}

TEST_F(CatalogLiveTest, TypeSignalsFireOnInsertAndDeleteOncePerTurnEditsOnEveryChange)
{
    QSignalSpy records(m_store.get(), &CatalogStore::recordsChanged);
    QSignalSpy installs(m_store.get(), &CatalogStore::installsChanged);
    QSignalSpy tags(m_store.get(), &CatalogStore::tagsChanged);
    QSignalSpy folders(m_store.get(), &CatalogStore::contentFoldersChanged);
    auto* record = m_store->insert(new PluginRecord(QStringLiteral("Echo")));
    m_store->insert(new PluginRecord(QStringLiteral("Verb")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return records.count() > 0; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(records.count(), 1);
    EXPECT_EQ(installs.count(), 0);
    EXPECT_EQ(tags.count(), 0);

    // The cascade reports the installs too.
    auto* install = m_store->insert(new PluginInstall(QStringLiteral("/a.vst3"), PluginFormat::vst3));
    install->setGroup(record);
    ASSERT_TRUE(QTest::qWaitFor([&] { return installs.count() == 1; }));
    m_store->remove(record);
    ASSERT_TRUE(QTest::qWaitFor([&] { return records.count() == 2 && installs.count() == 2; }));

    QSignalSpy edited(m_store.get(), &CatalogStore::edited);
    auto* folder = m_store->insert(new ContentLibraryFolder(QStringLiteral("/Samples")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return folders.count() == 1 && edited.count() == 1; }));
    folder->setTotalBytes(5);
    ASSERT_TRUE(QTest::qWaitFor([&] { return edited.count() > 1; })) << "a field edit is reported";
    QCoreApplication::processEvents();
    EXPECT_EQ((QList<qsizetype>{edited.count(), folders.count()}), (QList<qsizetype>{2, 1})) << "but is no change of the set";
    m_store->remove(folder);
    EXPECT_TRUE(QTest::qWaitFor([&] { return folders.count() == 2; }));
}

TEST_F(CatalogLiveTest, UnsavedEditsAreWrittenByTheStoreItself)
{
    m_store->setAutosaveEnabled(true);
    auto* record = m_store->insert(new PluginRecord(QStringLiteral("Echo")));
    ASSERT_TRUE(m_store->save());
    record->setIsFavorite(true);
    record->setNotes(QStringLiteral("warm"));
    record->addTag(new Tag(QStringLiteral("Delay")));
    ASSERT_TRUE(m_store->hasChanges());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m_store->hasChanges(); }, 4000));

    // A second store on the file sees what the first never saved explicitly.
    auto reader = StoreTesting::openStore(path());
    ASSERT_TRUE(reader);
    ASSERT_EQ(reader->records().size(), 1);
    EXPECT_TRUE(reader->records()[0]->isFavorite());
    EXPECT_EQ(reader->records()[0]->notes(), QStringLiteral("warm"));
    ASSERT_EQ(reader->records()[0]->tags().size(), 1);
    EXPECT_EQ(reader->records()[0]->tags()[0]->name(), QStringLiteral("Delay"));
}

} // namespace
