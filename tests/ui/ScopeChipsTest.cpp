#include "presentation/FilterState.h"
#include "ui/ScopeChips.h"

#include <QTimeZone>

#include <gtest/gtest.h>

namespace {

TEST(ScopeChipsTest, TitlesAndSymbolsInOrder)
{
    EXPECT_EQ(ScopeChips::titles(), (QStringList{"All", "Favorites", "AU", "VST", "VST3", "AAX", "CLAP", "LV2", "LADSPA", "Rosetta"}));
    EXPECT_EQ(ScopeChips::symbol(QStringLiteral("All")), QStringLiteral("square.grid.2x2"));
    EXPECT_EQ(ScopeChips::symbol(QStringLiteral("Favorites")), QStringLiteral("star.fill"));
    EXPECT_EQ(ScopeChips::symbol(QStringLiteral("Rosetta")), QStringLiteral("cpu"));
    EXPECT_TRUE(ScopeChips::symbol(QStringLiteral("VST3")).isEmpty());
}

TEST(ScopeChipsTest, AllIgnoresTheSearchButNotTheDates)
{
    FilterState filter;
    filter.setSearchText(QStringLiteral("pro"));
    EXPECT_EQ(ScopeChips::selectedTitles(filter), QStringList{"All"});
    filter.setInstallDateFrom(QDateTime(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC));
    EXPECT_TRUE(ScopeChips::selectedTitles(filter).isEmpty());
}

TEST(ScopeChipsTest, AllResetsEverythingButSearchAndGrouping)
{
    FilterState filter;
    filter.setSearchText(QStringLiteral("pro"));
    filter.setGroupingMode(GroupingMode::byFormat);
    filter.setFavoritesOnly(true);
    filter.setSelectedFormats({PluginFormat::vst});
    filter.setSelectedArchitectures({PluginArchitecture::arm64});
    filter.setSelectedPlatforms({PluginPlatform::linuxNative});
    filter.setSelectedTags({QStringLiteral("eq")});
    filter.setInstallDateFrom(QDateTime(QDate(2023, 1, 1), QTime(0, 0), Qt::UTC));
    filter.setInstallDateTo(QDateTime(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC));
    ScopeChips::activate(QStringLiteral("All"), filter);
    EXPECT_TRUE(filter.hasActiveFilters()); // the search is still on
    EXPECT_EQ(filter.searchText(), QStringLiteral("pro"));
    EXPECT_EQ(filter.groupingMode(), GroupingMode::byFormat);
    EXPECT_FALSE(filter.favoritesOnly());
    EXPECT_TRUE(filter.selectedFormats().isEmpty());
    EXPECT_TRUE(filter.selectedArchitectures().isEmpty());
    EXPECT_TRUE(filter.selectedPlatforms().isEmpty());
    EXPECT_TRUE(filter.selectedTags().isEmpty());
    EXPECT_FALSE(filter.installDateFrom().isValid());
    EXPECT_FALSE(filter.installDateTo().isValid());
}

TEST(ScopeChipsTest, FormatChipsToggleOneFormat)
{
    FilterState filter;
    ScopeChips::activate(QStringLiteral("AAX"), filter);
    ScopeChips::activate(QStringLiteral("AU"), filter);
    EXPECT_EQ(filter.selectedFormats(), (QSet<PluginFormat>{PluginFormat::aax, PluginFormat::au}));
    EXPECT_EQ(ScopeChips::selectedTitles(filter), (QStringList{"AU", "AAX"}));
    ScopeChips::activate(QStringLiteral("AAX"), filter);
    EXPECT_EQ(filter.selectedFormats(), QSet<PluginFormat>{PluginFormat::au});
}

// Intel builds for the Mac only: a Linux or Windows x86-64 build runs natively.
TEST(ScopeChipsTest, RosettaMeansExactlyIntelOnTheMac)
{
    FilterState filter;
    filter.setSelectedArchitectures({PluginArchitecture::x86_64, PluginArchitecture::universal});
    EXPECT_FALSE(ScopeChips::isSelected(QStringLiteral("Rosetta"), filter));
    ScopeChips::activate(QStringLiteral("Rosetta"), filter);
    EXPECT_EQ(filter.selectedArchitectures(), QSet<PluginArchitecture>{PluginArchitecture::x86_64});
    EXPECT_EQ(filter.selectedPlatforms(), QSet<PluginPlatform>{PluginPlatform::macOS});
    EXPECT_TRUE(ScopeChips::isSelected(QStringLiteral("Rosetta"), filter));
    filter.setSelectedPlatforms({PluginPlatform::linuxNative});
    EXPECT_FALSE(ScopeChips::isSelected(QStringLiteral("Rosetta"), filter));
    ScopeChips::activate(QStringLiteral("Rosetta"), filter);
    ScopeChips::activate(QStringLiteral("Rosetta"), filter);
    EXPECT_TRUE(filter.selectedArchitectures().isEmpty());
    EXPECT_TRUE(filter.selectedPlatforms().isEmpty());
}

TEST(ScopeChipsTest, FavoritesInvertsAndUnknownTitlesDoNothing)
{
    FilterState filter;
    ScopeChips::activate(QStringLiteral("Favorites"), filter);
    EXPECT_TRUE(filter.favoritesOnly());
    ScopeChips::activate(QStringLiteral("Favourites"), filter);
    ScopeChips::activate(QStringLiteral("au"), filter);
    EXPECT_TRUE(filter.favoritesOnly());
    EXPECT_TRUE(filter.selectedFormats().isEmpty());
    EXPECT_FALSE(ScopeChips::isSelected(QStringLiteral("Nothing"), filter));
}

} // namespace
