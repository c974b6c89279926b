#include "CatalogFixture.h"

#include "presentation/DashboardLayout.h"
#include "presentation/DashboardViewModel.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

class DashboardLayoutTest : public CatalogFixture {
protected:
    DashboardViewModel m_model;
};

TEST_F(DashboardLayoutTest, CardsWarnOnlyWhenACountIsAboveZero)
{
    addInstall(addRecord(QStringLiteral("Old"), QStringLiteral("Maker")), PluginFormat::vst3,
               PluginArchitecture::x86_64);
    m_model.compute(m_store->records(), {}, {});
    const QList<StatCard> cards = DashboardLayout::statCards(m_model);
    QStringList titles;
    for (const StatCard& card : cards)
        titles.append(card.title + u'=' + card.value + u'/' + card.tint);
    EXPECT_EQ(titles, (QStringList{"Unique Plugins=1/blue", "Total Installs=1/indigo",
                                   "Plugin Bundle Size=1 MB/teal", "Content Library Size=Zero KB/mint",
                                   "Rosetta Only=1/orange", "Possibly Outdated=0/green"}));
    EXPECT_EQ(DashboardLayout::title(m_model), QStringLiteral("Dashboard 1 plugins"));
}

} // namespace
