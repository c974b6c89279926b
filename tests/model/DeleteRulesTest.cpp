#include "model/CatalogStore.h"
#include "support/TemporaryCatalogue.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class DeleteRulesTest : public TemporaryCatalogue {
protected:
    void SetUp() override
    {
        TemporaryCatalogue::SetUp();
        m_record = m_store->insert(new PluginRecord(QStringLiteral("Echo"), QStringLiteral("Acme")));
        m_other = m_store->insert(new PluginRecord(QStringLiteral("Verb"), QStringLiteral("Acme")));
        m_vst3 = m_store->insert(new PluginInstall(QStringLiteral("/Echo.vst3"), PluginFormat::vst3));
        m_au = m_store->insert(new PluginInstall(QStringLiteral("/Echo.component"), PluginFormat::au));
        m_kept = m_store->insert(new PluginInstall(QStringLiteral("/Verb.vst3"), PluginFormat::vst3));
        m_vst3->setGroup(m_record);
        m_au->setGroup(m_record);
        m_kept->setGroup(m_other);
        m_parameter = m_store->insert(new PluginParameter);
        m_parameter->setInstall(m_vst3);
        m_tag = m_store->insert(new Tag(QStringLiteral("Delay")));
        m_record->addTag(m_tag);
        m_other->addTag(m_tag);
    }

    void reopen()
    {
        ASSERT_TRUE(m_store->save());
        TemporaryCatalogue::reopen();
    }

    PluginRecord* m_record = nullptr;
    PluginRecord* m_other = nullptr;
    PluginInstall* m_vst3 = nullptr;
    PluginInstall* m_au = nullptr;
    PluginInstall* m_kept = nullptr;
    PluginParameter* m_parameter = nullptr;
    Tag* m_tag = nullptr;
};

TEST_F(DeleteRulesTest, DeletingARecordDeletesItsInstallsAndParametersButKeepsItsTags)
{
    reopen();
    PluginRecord* echo = m_store->fetch<PluginRecord>("name", QStringLiteral("Echo")).value(0);
    ASSERT_TRUE(echo);
    const QList<PluginInstall*> installs = echo->installs();
    ASSERT_EQ(installs.size(), 2);
    PluginParameter* parameter = m_store->parameters().value(0);
    Tag* tag = m_store->tags().value(0);
    ASSERT_TRUE(parameter && tag);
    QSignalSpy tagGroups(tag, &Tag::groupsChanged);
    m_store->remove(echo);
    EXPECT_TRUE(echo->isDeleted());
    EXPECT_TRUE(installs[0]->isDeleted() && installs[1]->isDeleted());
    EXPECT_TRUE(parameter->isDeleted());
    EXPECT_EQ(tagGroups.count(), 1);

    reopen();
    ASSERT_EQ((QList<qsizetype>{m_store->records().size(), m_store->installs().size(), m_store->parameters().size(),
                                m_store->tags().size()}),
              (QList<qsizetype>{1, 1, 0, 1}));
    EXPECT_EQ(m_store->installs()[0]->group()->name(), QStringLiteral("Verb"));
    EXPECT_EQ(m_store->tags()[0]->groups(), m_store->records());
}

TEST_F(DeleteRulesTest, DeletingAnInstallDeletesItsParametersAndLeavesItsRecord)
{
    auto* parameter = m_store->insert(new PluginParameter);
    parameter->setInstall(m_au);
    m_store->remove(parameter);
    EXPECT_TRUE(m_au->parameters().isEmpty());
    EXPECT_FALSE(m_au->isDeleted());

    QSignalSpy installs(m_record, &PluginRecord::installsChanged);
    m_store->remove(m_vst3);
    EXPECT_EQ(m_record->installs(), QList<PluginInstall*>{m_au});
    EXPECT_TRUE(m_parameter->isDeleted());
    EXPECT_FALSE(m_record->isDeleted());
    EXPECT_EQ(installs.count(), 1);
    reopen();
    EXPECT_EQ(m_store->installs().size(), 2);
    EXPECT_TRUE(m_store->parameters().isEmpty());
}

TEST_F(DeleteRulesTest, DeletingATagRemovesItFromEveryRecord)
{
    QSignalSpy tags(m_record, &PluginRecord::tagsChanged);
    m_store->remove(m_tag);
    EXPECT_TRUE(m_record->tags().isEmpty());
    EXPECT_TRUE(m_other->tags().isEmpty());
    EXPECT_EQ(tags.count(), 1);
    EXPECT_EQ(m_store->records().size(), 2);
    reopen();
    EXPECT_TRUE(m_store->tags().isEmpty());
    for (const PluginRecord* record : m_store->records())
        EXPECT_TRUE(record->tags().isEmpty());
}

TEST_F(DeleteRulesTest, RemovedObjectsAreDestroyedByTheEventLoop)
{
    QPointer<PluginRecord> record = m_record;
    QPointer<PluginInstall> install = m_vst3;
    m_store->remove(m_record);
    EXPECT_TRUE(record);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !record && !install; }));
}

TEST_F(DeleteRulesTest, DeletedObjectsAreNoLongerSaved)
{
    reopen();
    auto* extra = m_store->insert(new PluginRecord(QStringLiteral("Extra")));
    m_store->remove(extra);
    EXPECT_FALSE(m_store->hasChanges());

    PluginRecord* echo = m_store->fetch<PluginRecord>("name", QStringLiteral("Echo")).value(0);
    ASSERT_TRUE(echo);
    echo->setNotes(QStringLiteral("edited"));
    m_store->remove(echo);
    echo->setNotes(QStringLiteral("after"));
    reopen();
    EXPECT_TRUE(m_store->fetch<PluginRecord>("name", QStringLiteral("Echo")).isEmpty());
}

} // namespace
