#include "presentation/FilterState.h"

#include <QSignalSpy>

#include <QTimeZone>

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const QDateTime someDay(QDate(2024, 5, 1), QTime(8, 30), Qt::UTC);

struct FieldCase {
    const char* name;
    std::function<void(FilterState&)> set;
};

const std::vector<FieldCase> filterFields{
    {"searchText", [](FilterState& s) { s.setSearchText(QStringLiteral(" ")); }},
    {"selectedFormats", [](FilterState& s) { s.setSelectedFormats({PluginFormat::clap}); }},
    {"selectedArchitectures", [](FilterState& s) { s.setSelectedArchitectures({PluginArchitecture::unknown}); }},
    {"favoritesOnly", [](FilterState& s) { s.setFavoritesOnly(true); }},
    {"selectedTags", [](FilterState& s) { s.setSelectedTags({QStringLiteral("eq")}); }},
    {"installDateFrom", [](FilterState& s) { s.setInstallDateFrom(someDay); }},
    {"installDateTo", [](FilterState& s) { s.setInstallDateTo(someDay); }},
};

TEST(FilterStateTest, EachFilterFieldMakesTheStateActiveAndResetClearsIt)
{
    for (const FieldCase& field : filterFields) {
        FilterState state;
        state.setGroupingMode(GroupingMode::byFormat);
        QSignalSpy filters(&state, &FilterState::filtersChanged);
        field.set(state);
        EXPECT_TRUE(state.hasActiveFilters()) << field.name;
        EXPECT_EQ(filters.count(), 1) << field.name;
        state.reset();
        EXPECT_FALSE(state.hasActiveFilters()) << field.name;
        EXPECT_EQ(state.groupingMode(), GroupingMode::byFormat) << field.name;
        EXPECT_EQ(filters.count(), 2) << field.name;
    }
}

TEST(FilterStateTest, WritingAnEqualValueDoesNotNotify)
{
    FilterState state;
    state.setSearchText(QStringLiteral("fab"));
    state.setSelectedFormats({PluginFormat::au, PluginFormat::vst3});
    state.setSelectedArchitectures({PluginArchitecture::x86_64});
    state.setFavoritesOnly(true);
    state.setSelectedTags({QStringLiteral("mixing"), QStringLiteral("eq")});
    state.setGroupingMode(GroupingMode::byPublisher);
    state.setInstallDateFrom(someDay);
    state.setInstallDateTo(someDay.addDays(1));

    QSignalSpy changed(&state, &FilterState::changed);
    QSignalSpy search(&state, &FilterState::searchTextChanged);
    QSignalSpy formats(&state, &FilterState::selectedFormatsChanged);
    QSignalSpy from(&state, &FilterState::installDateFromChanged);
    state.setSearchText(QStringLiteral("fab"));
    state.setSelectedFormats({PluginFormat::vst3, PluginFormat::au});
    state.setSelectedFormatValues({QStringLiteral("VST3"), QStringLiteral("AU")});
    state.setFormatSelected(QStringLiteral("AU"), true);
    state.setSelectedArchitectures({PluginArchitecture::x86_64});
    state.setFavoritesOnly(true);
    state.setSelectedTagList({QStringLiteral("eq"), QStringLiteral("mixing")});
    state.setGroupingModeValue(QStringLiteral("Publisher"));
    state.setInstallDateFrom(someDay.toTimeZone(QTimeZone(3600)));
    state.setInstallDateTo(someDay.addDays(1));
    EXPECT_EQ(changed.count(), 0);

    state.setSearchText(QStringLiteral("Fab"));
    state.setFormatSelected(QStringLiteral("AU"), false);
    state.setInstallDateFrom({});
    EXPECT_EQ(search.count(), 1);
    EXPECT_EQ(formats.count(), 1);
    EXPECT_EQ(from.count(), 1);
    EXPECT_EQ(changed.count(), 3);
    EXPECT_EQ(state.selectedFormats(), QSet<PluginFormat>{PluginFormat::vst3});
}

TEST(FilterStateTest, ResetOnADefaultStateNotifiesNothing)
{
    FilterState state;
    state.setGroupingMode(GroupingMode::byArchitecture);
    QSignalSpy changed(&state, &FilterState::changed);
    state.reset();
    EXPECT_EQ(changed.count(), 0);
}

TEST(FilterStateTest, SetsReadAndWriteAsRawValues)
{
    FilterState state;
    state.setSelectedFormatValues({QStringLiteral("CLAP"), QStringLiteral("AU"), QStringLiteral("vst3"),
                                   QStringLiteral("Audio Unit")});
    EXPECT_EQ(state.selectedFormats(), (QSet<PluginFormat>{PluginFormat::clap, PluginFormat::au}));
    EXPECT_EQ(state.selectedFormatValues(), (QStringList{QStringLiteral("AU"), QStringLiteral("CLAP")}));

    state.setArchitectureSelected(QStringLiteral("Universal"), true);
    state.setArchitectureSelected(QStringLiteral("Intel 64"), true);
    state.setArchitectureSelected(QStringLiteral("x86_64"), true);
    EXPECT_EQ(state.selectedArchitectureValues(), (QStringList{QStringLiteral("Intel 64"), QStringLiteral("Universal")}));

    state.setTagSelected(QStringLiteral("vocal"), true);
    state.setTagSelected(QStringLiteral("Bus"), true);
    state.setTagSelected(QStringLiteral("bus"), true);
    state.setTagSelected(QStringLiteral("vocal"), false);
    EXPECT_EQ(state.selectedTagList(), (QStringList{QStringLiteral("Bus"), QStringLiteral("bus")}));

    state.setGroupingModeValue(QStringLiteral("Type"));
    EXPECT_EQ(state.groupingMode(), GroupingMode::byType);
    state.setGroupingModeValue(QStringLiteral("Category"));
    EXPECT_EQ(state.groupingModeValue(), QStringLiteral("Type"));
}

} // namespace
