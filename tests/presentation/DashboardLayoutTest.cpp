#include "CatalogFixture.h"

#include "presentation/DashboardLayout.h"
#include "presentation/DashboardViewModel.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

class DashboardLayoutTest : public CatalogFixture {
protected:
    void plugin(const QString& publisher, qint64 bytes)
    {
        InstallSpec installSpec;
        installSpec.fileSize = bytes;
        addInstall(addRecord(publisher + QStringLiteral(" Synth"), publisher), installSpec);
    }

    void library(const QString& name, const QString& publisher, qint64 bytes)
    {
        auto* item = m_store->insert(new ContentLibraryItem);
        item->setPath(QStringLiteral("/Samples/") + name);
        item->setName(name);
        item->setPublisher(publisher);
        item->setTotalBytes(bytes);
    }

    QList<UsageChart> charts()
    {
        m_model.compute(m_store->records(), m_store->contentFolders(), m_store->contentItems());
        return DashboardLayout::charts(m_model);
    }

    DashboardViewModel m_model;
};

TEST_F(DashboardLayoutTest, LibraryLabelNamesThePublisherOnlyWhenTheNameDoesNot)
{
    struct Case {
        const char* name;
        const char* publisher;
        const char* label;
    };
    for (const Case& c : {Case{"Example Audio Strings", "example audio", "Example Audio Strings"},
                          Case{"Grand Piano", "Example Audio", "Example Audio \u2014 Grand Piano"},
                          Case{"Grand Piano", "", " \u2014 Grand Piano"}}) {
        const ContentUsage usage{QStringLiteral("/x"), QString::fromUtf8(c.name), QString::fromUtf8(c.publisher), 1};
        EXPECT_EQ(DashboardLayout::libraryLabel(usage), QString::fromUtf8(c.label));
    }
}

TEST_F(DashboardLayoutTest, ChartsKeepTheLargestUpToTheirLimitsAndSkipEmptyOnes)
{
    EXPECT_TRUE(charts().isEmpty());
    for (int i = 1; i <= 11; ++i)
        plugin(QStringLiteral("Maker %1").arg(i, 2, 10, QLatin1Char('0')), i * 1'000'000);
    for (int i = 1; i <= 13; ++i)
        library(QStringLiteral("Library %1").arg(i), QStringLiteral("Vendor"), i * 1'000'000);
    const QList<UsageChart> shown = charts();
    ASSERT_EQ(shown.size(), 4);
    EXPECT_EQ(shown[0].title, QStringLiteral("Plugin Bundle Size by Publisher"));
    ASSERT_EQ(shown[0].bars.size(), 10);
    EXPECT_EQ(shown[0].bars.first(), (UsageChart::Bar{QStringLiteral("Maker 11"), 11'000'000}));
    EXPECT_EQ(shown[0].bars.last().label, QStringLiteral("Maker 02"));
    EXPECT_EQ(shown[1].bars, (QList<UsageChart::Bar>{{QStringLiteral("AU"), 66'000'000}}));
    EXPECT_EQ(shown[2].bars, (QList<UsageChart::Bar>{{QStringLiteral("Vendor"), 91'000'000}}));
    EXPECT_EQ(shown[3].title, QStringLiteral("Largest Content Libraries"));
    ASSERT_EQ(shown[3].bars.size(), 12);
    EXPECT_EQ(shown[3].bars.last(), (UsageChart::Bar{QStringLiteral("Vendor \u2014 Library 2"), 2'000'000}));
}

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
