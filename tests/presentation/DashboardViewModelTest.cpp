#include "CatalogFixture.h"

#include "presentation/DashboardViewModel.h"

#include <QSignalSpy>

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

constexpr qint64 gigabyte = 1'000'000'000;
constexpr qint64 day = 24 * 60 * 60;

class DashboardViewModelTest : public CatalogFixture {
protected:
    PluginRecord* plugin(const QString& name, const QString& publisher, qint64 size = 1'000'000,
                         PluginFormat format = PluginFormat::au, const QDateTime& installed = at(2024, 3, 10))
    {
        PluginRecord* record = addRecord(name, publisher);
        InstallSpec bundleSpec;
        bundleSpec.format = format;
        bundleSpec.fileSize = size;
        bundleSpec.installDate = installed;
        addInstall(record, bundleSpec);
        return record;
    }

    ContentLibraryFolder* folder(const QString& publisher, qint64 bytes,
                                 ContentLibraryStatus status = ContentLibraryStatus::found)
    {
        auto* result = m_store->insert(new ContentLibraryFolder(QStringLiteral("/Volumes/Samples/") + publisher,
                                                                publisher, publisher));
        result->setTotalBytes(bytes);
        result->setStatus(status);
        return result;
    }

    ContentLibraryItem* item(const QString& name, const QString& publisher, qint64 bytes,
                             ContentLibraryStatus status = ContentLibraryStatus::found)
    {
        auto* result = m_store->insert(new ContentLibraryItem);
        result->setRootPath(QStringLiteral("/Volumes/Samples"));
        result->setPath(QStringLiteral("/Volumes/Samples/") + publisher + u'/' + name);
        result->setName(name);
        result->setPublisher(publisher);
        result->setTotalBytes(bytes);
        result->setStatus(status);
        return result;
    }

    void compute() { m_model.compute(records(), m_store->contentFolders(), m_store->contentItems()); }

    int outdatedWithGap(qint64 seconds)
    {
        PluginRecord* old = plugin(QStringLiteral("Old"), QStringLiteral("Example"), 1, PluginFormat::au, at(2022, 1, 1));
        PluginRecord* recent = plugin(QStringLiteral("New"), QStringLiteral("Example"), 1, PluginFormat::au,
                                      at(2022, 1, 1).addSecs(seconds));
        m_model.compute({old, recent}, {}, {});
        return m_model.possiblyOutdatedCount();
    }

    DashboardViewModel m_model;
};

TEST_F(DashboardViewModelTest, RosettaOnlyCountsGroupsWithIntelAndNoAppleSilicon)
{
    const struct {
        const char* name;
        std::initializer_list<PluginArchitecture> architectures;
        bool counted;
    } cases[]{
        {"Intel", {PluginArchitecture::x86_64, PluginArchitecture::x86_64}, true},
        {"Mixed", {PluginArchitecture::arm64, PluginArchitecture::x86_64}, false},
        {"Mystery", {PluginArchitecture::unknown, PluginArchitecture::unknown}, false},
        {"Fat", {PluginArchitecture::universal}, false},
        {"Half Known", {PluginArchitecture::unknown, PluginArchitecture::x86_64}, true},
    };
    int expected = 0;
    for (const auto& c : cases) {
        PluginRecord* record = addRecord(QString::fromUtf8(c.name), QStringLiteral("Example"));
        int index = 0;
        for (const PluginArchitecture architecture : c.architectures)
            addInstall(record, allCases<PluginFormat>()[std::size_t(index++)], architecture);
        expected += c.counted ? 1 : 0;
        compute();
        EXPECT_EQ(m_model.rosettaOnlyCount(), expected) << c.name;
    }
}

TEST_F(DashboardViewModelTest, PossiblyOutdatedNeedsMoreThan365Days)
{
    EXPECT_EQ(outdatedWithGap(365 * day), 0);
    EXPECT_EQ(outdatedWithGap(365 * day + 1), 1);
    EXPECT_EQ(outdatedWithGap(400 * day), 1);
    EXPECT_EQ(outdatedWithGap(-400 * day), 1);
}

TEST_F(DashboardViewModelTest, PossiblyOutdatedComparesWithinOnePublisherOnly)
{
    PluginRecord* old = plugin(QStringLiteral("Old"), QStringLiteral("Example"), 1, PluginFormat::au, at(2020, 1, 1));
    PluginRecord* other = plugin(QStringLiteral("Other"), QStringLiteral("example"), 1, PluginFormat::au,
                                 at(2024, 1, 1));
    InstallSpec lost;
    lost.installDate = at(2024, 1, 1);
    lost.status = InstallStatus::notFound;
    lost.format = PluginFormat::vst3;
    addInstall(old, lost);
    m_model.compute({old, other}, {}, {});
    EXPECT_EQ(m_model.possiblyOutdatedCount(), 0);

    // Its own found installs far apart are enough.
    InstallSpec later;
    later.installDate = at(2021, 6, 1);
    later.format = PluginFormat::clap;
    addInstall(old, later);
    m_model.compute({old, other}, {}, {});
    EXPECT_EQ(m_model.possiblyOutdatedCount(), 1);
}

TEST_F(DashboardViewModelTest, LatestInstallByPublisher)
{
    PluginRecord* a = plugin(QStringLiteral("A"), QStringLiteral("Example"), 1, PluginFormat::au, at(2021, 1, 1));
    PluginRecord* b = plugin(QStringLiteral("B"), QStringLiteral("Example"), 1, PluginFormat::au, at(2023, 5, 5));
    PluginRecord* c = plugin(QStringLiteral("C"), QStringLiteral("example"), 1, PluginFormat::au, at(2022, 2, 2));
    InstallSpec lost;
    lost.installDate = at(2025, 1, 1);
    lost.status = InstallStatus::notFound;
    lost.format = PluginFormat::vst3;
    addInstall(a, lost);
    PluginRecord* gone = addRecord(QStringLiteral("D"), QStringLiteral("Gone Audio"));
    addInstall(gone, lost);

    const QHash<QString, QDateTime> latest = DashboardViewModel::latestInstallByPublisher({a, b, c, gone});
    EXPECT_EQ(latest.size(), 3);
    EXPECT_EQ(latest.value(QStringLiteral("Example")), at(2023, 5, 5));
    EXPECT_EQ(latest.value(QStringLiteral("example")), at(2022, 2, 2));
    EXPECT_EQ(latest.value(QStringLiteral("Gone Audio")), DashboardViewModel::earliestDate());
    EXPECT_EQ(DashboardViewModel::earliestDate().date(), QDate(1, 1, 1));
    EXPECT_TRUE(DashboardViewModel::isPossiblyOutdated(*a, latest));
    EXPECT_FALSE(DashboardViewModel::isPossiblyOutdated(*b, latest));
    EXPECT_FALSE(DashboardViewModel::isPossiblyOutdated(*gone, latest));
    EXPECT_FALSE(DashboardViewModel::isPossiblyOutdated(*a, {}));
}

TEST_F(DashboardViewModelTest, ContentComesFromItemsWhenThereAreAny)
{
    folder(QStringLiteral("Vendor"), 20 * gigabyte);
    item(QStringLiteral("Small"), QStringLiteral("Vendor"), 5 * gigabyte);
    item(QStringLiteral("Large"), QStringLiteral("Vendor"), 10 * gigabyte);
    item(QStringLiteral("Missing"), QStringLiteral("Vendor"), 3 * gigabyte, ContentLibraryStatus::notFound);
    item(QStringLiteral("Empty"), QStringLiteral("Other"), 0);
    compute();
    EXPECT_EQ(m_model.contentBytes(), 15 * gigabyte);
    EXPECT_EQ(m_model.contentByPublisher(), (QList<PublisherUsage>{{QStringLiteral("Vendor"), 15 * gigabyte}}));
    EXPECT_EQ(m_model.contentByLibrary(),
              (QList<ContentUsage>{{QStringLiteral("/Volumes/Samples/Vendor/Large"), QStringLiteral("Large"),
                                    QStringLiteral("Vendor"), 10 * gigabyte},
                                   {QStringLiteral("/Volumes/Samples/Vendor/Small"), QStringLiteral("Small"),
                                    QStringLiteral("Vendor"), 5 * gigabyte}}));
    EXPECT_EQ(m_model.totalBytes(), 0);
}

TEST_F(DashboardViewModelTest, ContentFallsBackToFoldersWithoutUsableItems)
{
    folder(QStringLiteral("Vendor"), 20 * gigabyte);
    folder(QStringLiteral("Small Vendor"), 4 * gigabyte);
    folder(QStringLiteral("Unplugged"), 9 * gigabyte, ContentLibraryStatus::notFound);
    folder(QStringLiteral("Empty"), 0);
    item(QStringLiteral("Missing"), QStringLiteral("Vendor"), 3 * gigabyte, ContentLibraryStatus::notFound);
    item(QStringLiteral("Zero"), QStringLiteral("Vendor"), 0);
    compute();
    EXPECT_EQ(m_model.contentBytes(), 24 * gigabyte);
    EXPECT_EQ(m_model.contentByPublisher(), (QList<PublisherUsage>{{QStringLiteral("Vendor"), 20 * gigabyte},
                                                                   {QStringLiteral("Small Vendor"), 4 * gigabyte}}));
    EXPECT_TRUE(m_model.contentByLibrary().isEmpty());
}

// Publishers are keyed by their stored text exactly.
TEST_F(DashboardViewModelTest, EqualBytesKeepTheirFirstSeenOrder)
{
    plugin(QStringLiteral("One"), QStringLiteral("Mid"), 5);
    plugin(QStringLiteral("Two"), QStringLiteral("Zulu"), 9);
    plugin(QStringLiteral("Three"), QStringLiteral("Alpha"), 9);
    plugin(QStringLiteral("Four"), QStringLiteral("Kilo"), 4);
    plugin(QStringLiteral("Five"), QStringLiteral("kilo"), 9);
    plugin(QStringLiteral("Six"), QStringLiteral("Kilo"), 5);
    plugin(QStringLiteral("Nameless"), QString(), 2);
    item(QStringLiteral("Second"), QStringLiteral("B"), 7);
    item(QStringLiteral("First"), QStringLiteral("A"), 7);
    item(QStringLiteral("Big"), QStringLiteral("A"), 8);
    compute();
    EXPECT_EQ(m_model.byPublisher(), (QList<PublisherUsage>{{QStringLiteral("Zulu"), 9},
                                                            {QStringLiteral("Alpha"), 9},
                                                            {QStringLiteral("Kilo"), 9},
                                                            {QStringLiteral("kilo"), 9},
                                                            {QStringLiteral("Mid"), 5},
                                                            {QString(), 2}}));
    QStringList libraries;
    for (const ContentUsage& usage : m_model.contentByLibrary())
        libraries.append(usage.name);
    EXPECT_EQ(libraries, (QStringList{QStringLiteral("Big"), QStringLiteral("Second"), QStringLiteral("First")}));
    EXPECT_EQ(m_model.contentByPublisher(),
              (QList<PublisherUsage>{{QStringLiteral("A"), 15}, {QStringLiteral("B"), 7}}));
}

TEST_F(DashboardViewModelTest, EqualFiguresDoNotNotifyAgain)
{
    QSignalSpy groups(&m_model, &DashboardViewModel::totalGroupsChanged);
    QSignalSpy bytes(&m_model, &DashboardViewModel::totalBytesChanged);
    QSignalSpy formats(&m_model, &DashboardViewModel::byFormatChanged);
    QSignalSpy content(&m_model, &DashboardViewModel::contentBytesChanged);
    // Installs that are gone leave every figure at its zero: nothing is announced.
    InstallSpec missing;
    missing.status = InstallStatus::notFound;
    addInstall(addRecord(QStringLiteral("Gone"), QStringLiteral("Example")), missing);
    compute();
    EXPECT_EQ(groups.count() + bytes.count() + formats.count(), 0);

    plugin(QStringLiteral("One"), QStringLiteral("Example"), 5);
    compute();
    compute();
    EXPECT_EQ(groups.count(), 1);
    EXPECT_EQ(bytes.count(), 1);
    EXPECT_EQ(formats.count(), 1);
    EXPECT_EQ(content.count(), 0);

    plugin(QStringLiteral("Two"), QStringLiteral("Example"), 0);
    compute();
    EXPECT_EQ(groups.count(), 2);
    EXPECT_EQ(bytes.count(), 1);
    EXPECT_EQ(formats.count(), 1);
}

} // namespace
