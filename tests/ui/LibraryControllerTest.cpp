#include "UiCatalog.h"

#include "model/PluginRecord.h"
#include "ui/LibraryController.h"

#include <QSignalSpy>
#include <QTest>

#include <QTimeZone>

#include <gtest/gtest.h>

namespace {

class LibraryControllerTest : public TemporaryCatalogue {
protected:
    void SetUp() override
    {
        TemporaryCatalogue::SetUp();
        if (HasFatalFailure())
            return;
        m_diva = UiCatalog::addRecord(*m_store, QStringLiteral("Diva"), QStringLiteral("u-he"), {QStringLiteral("AU")});
        m_zeta = UiCatalog::addRecord(*m_store, QStringLiteral("Zeta"), QStringLiteral("Example"), {QStringLiteral("VST3")});
        settle();
        m_controller.setStore(m_store.get());
        m_controller.classBegin();
        m_controller.componentComplete();
    }

    // The store reports changes once per turn of the event loop.
    static void settle() { QTest::qWait(0); }

    QStringList names() const
    {
        QStringList result;
        for (int row = 0; row < m_controller.listModel()->rowCount(); ++row) {
            const QModelIndex index = m_controller.listModel()->index(row);
            if (!index.data(LibraryListModel::isHeaderRole).toBool())
                result.append(index.data(LibraryListModel::nameRole).toString());
        }
        return result;
    }

    PluginRecord* m_diva = nullptr;
    PluginRecord* m_zeta = nullptr;
    LibraryController m_controller;
};

// Built once when shown, then again only when the records come, go or move in the name order.
TEST_F(LibraryControllerTest, RebuildsWhenTheRecordsComeGoOrMoveInTheNameOrder)
{
    EXPECT_EQ(m_controller.rebuildCount(), 1);
    EXPECT_EQ(names(), (QStringList{"Diva", "Zeta"}));
    // Field edits of a record that keeps its place.
    m_diva->setNotes(QStringLiteral("warm"));
    m_diva->setIsFavorite(true);
    m_zeta->setName(QStringLiteral("Zeta 2"));
    settle();
    EXPECT_EQ(m_controller.rebuildCount(), 1);

    UiCatalog::addRecord(*m_store, QStringLiteral("Serum"), QStringLiteral("Xfer"), {QStringLiteral("VST")});
    settle();
    EXPECT_EQ(m_controller.rebuildCount(), 2);
    EXPECT_EQ(names(), (QStringList{"Diva", "Serum", "Zeta 2"}));

    m_zeta->setName(QStringLiteral("Aardvark"));
    settle();
    EXPECT_EQ(m_controller.rebuildCount(), 3);
    EXPECT_EQ(names(), (QStringList{"Aardvark", "Diva", "Serum"}));

    m_store->remove(m_diva);
    settle();
    EXPECT_EQ(m_controller.rebuildCount(), 4);
    EXPECT_EQ(names(), (QStringList{"Aardvark", "Serum"}));
}

TEST_F(LibraryControllerTest, EveryFilterFieldRebuilds)
{
    FilterState& filter = *m_controller.filterState();
    filter.setSearchText(QStringLiteral("d"));
    filter.setSelectedFormats({PluginFormat::au});
    filter.setSelectedArchitectures({PluginArchitecture::arm64});
    filter.setFavoritesOnly(true);
    filter.setSelectedTags({QStringLiteral("x")});
    filter.setGroupingMode(GroupingMode::byPublisher);
    filter.setInstallDateFrom(QDateTime(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC));
    filter.setInstallDateTo(QDateTime(QDate(2030, 1, 1), QTime(0, 0), Qt::UTC));
    EXPECT_EQ(m_controller.rebuildCount(), 9);
    // Filter changes alone reuse the groups; one after an edit of an install builds them again.
    EXPECT_EQ(m_controller.viewModel()->groupingCount(), 1);
    m_diva->installs().front()->setFileSize(123'456'789);
    settle();
    EXPECT_EQ(m_controller.viewModel()->groupingCount(), 1);
    filter.setSearchText(QString());
    EXPECT_EQ(m_controller.viewModel()->groupingCount(), 2);
}

TEST_F(LibraryControllerTest, AnUnfavouritedCardStaysUntilTheNextRebuild)
{
    m_diva->setIsFavorite(true);
    m_controller.activateChip(QStringLiteral("Favorites"));
    EXPECT_EQ(names(), QStringList{"Diva"});
    m_diva->setIsFavorite(false);
    settle();
    EXPECT_EQ(names(), QStringList{"Diva"});
    m_controller.rebuild();
    EXPECT_EQ(names(), QStringList());
    EXPECT_EQ(m_controller.contentStateText(), QStringLiteral("noMatches"));
}

TEST_F(LibraryControllerTest, TagsAreSorted)
{
    QSignalSpy tagChanges(&m_controller, &LibraryController::tagsChanged);
    for (const char* name : {"mixing", "bus", "eq"})
        m_store->insert(new Tag(QString::fromLatin1(name)));
    settle();
    EXPECT_GE(tagChanges.count(), 1);
    QStringList tagNames;
    for (const Tag* tag : m_controller.tags())
        tagNames.append(tag->name());
    EXPECT_EQ(tagNames, (QStringList{"bus", "eq", "mixing"}));
}

} // namespace
