#include "presentation/FilterState.h"
#include "presentation/LibraryTexts.h"

#include <QTimeZone>

#include <gtest/gtest.h>

namespace {

struct CountCase {
    int visible;
    int total;
    bool active;
    const char* expected;
};

class PluginCountTextTest : public testing::TestWithParam<CountCase> {};

TEST_P(PluginCountTextTest, ReadsAsTheTitleShowsIt)
{
    const CountCase& c = GetParam();
    EXPECT_EQ(LibraryTexts::pluginCountText(c.visible, c.total, c.active), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Cases, PluginCountTextTest,
                         testing::Values(CountCase{40, 40, false, "40 plugins"}, CountCase{12, 40, true, "12 of 40 plugins"},
                                         CountCase{1, 1, false, "1 plugins"}, CountCase{0, 0, false, "0 plugins"},
                                         CountCase{40, 40, true, "40 of 40 plugins"},
                                         CountCase{0, 3, true, "0 of 3 plugins"}));

TEST(LibraryTextsTest, FiltersButtonText)
{
    EXPECT_EQ(LibraryTexts::filtersButtonText(0), QStringLiteral("Filters"));
    EXPECT_EQ(LibraryTexts::filtersButtonText(1), QStringLiteral("1 Filters"));
    EXPECT_EQ(LibraryTexts::filtersButtonText(12), QStringLiteral("12 Filters"));
}

TEST(LibraryTextsTest, ActiveFilterCountCountsEachCriterion)
{
    FilterState filter;
    EXPECT_EQ(LibraryTexts::activeFilterCount(filter), 0);
    filter.setSelectedFormats({PluginFormat::au, PluginFormat::clap});
    filter.setSelectedTags({QStringLiteral("mixing")});
    EXPECT_EQ(LibraryTexts::activeFilterCount(filter), 3);
    filter.setSelectedArchitectures({PluginArchitecture::x86_64, PluginArchitecture::universal});
    EXPECT_EQ(LibraryTexts::activeFilterCount(filter), 4);
    filter.setSearchText(QStringLiteral(" "));
    filter.setFavoritesOnly(true);
    EXPECT_EQ(LibraryTexts::activeFilterCount(filter), 6);
    filter.setInstallDateFrom(QDateTime(QDate(2023, 1, 1), QTime(0, 0), Qt::UTC));
    filter.setInstallDateTo(QDateTime(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC));
    EXPECT_EQ(LibraryTexts::activeFilterCount(filter), 8);
    filter.setGroupingMode(GroupingMode::byType);
    EXPECT_EQ(LibraryTexts::activeFilterCount(filter), 8);
}

} // namespace
