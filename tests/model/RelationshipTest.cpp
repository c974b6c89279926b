#include "StoreTesting.h"

#include "model/CatalogStore.h"
#include "support/TemporaryCatalogue.h"

#include <QTemporaryDir>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

using RelationshipTest = TemporaryCatalogue;

TEST_F(RelationshipTest, SettingTheGroupMovesTheInstallBetweenRecords)
{
    auto* first = m_store->insert(new PluginRecord(QStringLiteral("Echo"), QStringLiteral("Acme")));
    auto* second = m_store->insert(new PluginRecord(QStringLiteral("Echo"), QStringLiteral("ACME")));
    auto* a = m_store->insert(new PluginInstall(QStringLiteral("/a.vst3"), PluginFormat::vst3));
    auto* b = m_store->insert(new PluginInstall(QStringLiteral("/b.component"), PluginFormat::au));
    a->setGroup(first);
    b->setGroup(first);
    EXPECT_EQ(first->installs(), (QList<PluginInstall*>{a, b}));

    QSignalSpy firstChanged(first, &PluginRecord::installsChanged);
    QSignalSpy secondChanged(second, &PluginRecord::installsChanged);
    QSignalSpy groupChanged(a, &PluginInstall::groupChanged);
    a->setGroup(second);
    EXPECT_EQ(a->group(), second);
    EXPECT_EQ(first->installs(), QList<PluginInstall*>{b});
    EXPECT_EQ(second->installs(), QList<PluginInstall*>{a});
    EXPECT_EQ((QList<qsizetype>{firstChanged.count(), secondChanged.count(), groupChanged.count()}),
              (QList<qsizetype>{1, 1, 1}));

    a->setGroup(second);
    EXPECT_EQ(groupChanged.count(), 1);
    EXPECT_EQ(second->installs().size(), 1);

    // Coming back puts it at the end: relationship order is the order of joining.
    a->setGroup(first);
    EXPECT_EQ(first->installs(), (QList<PluginInstall*>{b, a}));
    a->setGroup(nullptr);
    EXPECT_EQ(first->installs(), QList<PluginInstall*>{b});
    EXPECT_EQ(a->group(), nullptr);
}

TEST_F(RelationshipTest, TagsAndGroupsStayConsistent)
{
    auto* echo = m_store->insert(new PluginRecord(QStringLiteral("Echo")));
    auto* verb = m_store->insert(new PluginRecord(QStringLiteral("Verb")));
    auto* drums = m_store->insert(new Tag(QStringLiteral("Drums")));
    auto* vocals = m_store->insert(new Tag(QStringLiteral("Vocals")));

    QSignalSpy tagsChanged(echo, &PluginRecord::tagsChanged);
    QSignalSpy groupsChanged(drums, &Tag::groupsChanged);
    echo->addTag(drums);
    echo->addTag(vocals);
    verb->addTag(drums);
    echo->addTag(drums);
    EXPECT_EQ(echo->tags(), (QList<Tag*>{drums, vocals}));
    EXPECT_EQ(drums->groups(), (QList<PluginRecord*>{echo, verb}));
    EXPECT_EQ(vocals->groups(), QList<PluginRecord*>{echo});
    EXPECT_EQ((QList<qsizetype>{tagsChanged.count(), groupsChanged.count()}), (QList<qsizetype>{2, 2}));
    EXPECT_TRUE(echo->hasTag(vocals));

    echo->removeTag(drums);
    echo->removeTag(drums);
    EXPECT_EQ(echo->tags(), QList<Tag*>{vocals});
    EXPECT_EQ(drums->groups(), QList<PluginRecord*>{verb});
    EXPECT_EQ((QList<qsizetype>{tagsChanged.count(), groupsChanged.count()}), (QList<qsizetype>{3, 3}));
}

TEST_F(RelationshipTest, InsertingAnObjectInsertsWhatIsAlreadyRelatedToIt)
{
    auto* record = new PluginRecord(QStringLiteral("Echo"));
    auto* install = new PluginInstall(QStringLiteral("/a.vst"), PluginFormat::vst);
    auto* parameter = new PluginParameter;
    auto* tag = new Tag(QStringLiteral("Delay"));
    install->setGroup(record);
    parameter->setInstall(install);
    record->addTag(tag);
    m_store->insert(record);
    EXPECT_EQ(m_store->records(), QList<PluginRecord*>{record});
    EXPECT_EQ(m_store->installs(), QList<PluginInstall*>{install});
    EXPECT_EQ(m_store->parameters(), QList<PluginParameter*>{parameter});
    EXPECT_EQ(m_store->tags(), QList<Tag*>{tag});

    // Relating a new object to a stored one inserts it too.
    auto* other = new PluginInstall(QStringLiteral("/b.vst"), PluginFormat::vst);
    EXPECT_EQ(other->id(), 0);
    other->setGroup(record);
    EXPECT_EQ(other->store(), m_store.get());
    EXPECT_TRUE(m_store->installs().contains(other));

    // Ids are distinct across types.
    QSet<qint64> ids{record->id(), install->id(), parameter->id(), tag->id(), other->id()};
    EXPECT_EQ(ids.size(), 5);
    EXPECT_FALSE(ids.contains(0));
}

TEST_F(RelationshipTest, ObjectsOfTwoStoresAreNotRelatedNorSavedTogether)
{
    QTemporaryDir otherDir;
    auto other = StoreTesting::openStore(otherDir.filePath(QStringLiteral("other.sqlite")));
    ASSERT_TRUE(other);
    auto* record = m_store->insert(new PluginRecord(QStringLiteral("Echo")));
    auto* install = other->insert(new PluginInstall(QStringLiteral("/a.vst"), PluginFormat::vst));
    auto* tag = other->insert(new Tag(QStringLiteral("Delay")));
    install->setGroup(record);
    record->addTag(tag);
    EXPECT_EQ(install->group(), nullptr);
    EXPECT_TRUE(record->installs().isEmpty());
    EXPECT_TRUE(record->tags().isEmpty());
    EXPECT_TRUE(tag->groups().isEmpty());
    // Nor does a save of one reach the other's file.
    ASSERT_TRUE(m_store->save());
    EXPECT_TRUE(StoreTesting::openStore(otherDir.filePath(QStringLiteral("other.sqlite")))->records().isEmpty());
}

TEST(RelationshipOutsideAStore, DestroyingOneSideLeavesNoDanglingLink)
{
    auto record = std::make_unique<PluginRecord>(QStringLiteral("Echo"));
    auto tag = std::make_unique<Tag>(QStringLiteral("Delay"));
    auto install = std::make_unique<PluginInstall>(QStringLiteral("/a.vst"), PluginFormat::vst);
    install->setGroup(record.get());
    record->addTag(tag.get());
    record.reset();
    EXPECT_EQ(install->group(), nullptr);
    EXPECT_TRUE(tag->groups().isEmpty());
}

} // namespace
