#include "CatalogFixture.h"

#include "presentation/LibrarySectioning.h"
#include "presentation/LibraryViewModel.h"

#include <QSignalSpy>

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// Each section as "header: name, name".
QStringList layout(const LibraryViewModel& model)
{
    QStringList lines;
    for (const LibrarySection& section : model.sections()) {
        QStringList names;
        for (const PluginGroup& group : section.groups)
            names.append(group.name);
        lines.append(section.header + QStringLiteral(": ") + names.join(QStringLiteral(", ")));
    }
    return lines;
}

QStringList shownNames(const LibraryViewModel& model)
{
    QStringList names;
    for (const LibrarySection& section : model.sections())
        for (const PluginGroup& group : section.groups)
            names.append(group.name);
    return names;
}

class LibraryViewModelTest : public CatalogFixture {
protected:
    PluginRecord* plugin(const QString& name, const QString& publisher, PluginFormat format = PluginFormat::au,
                         PluginArchitecture architecture = PluginArchitecture::arm64)
    {
        PluginRecord* record = addRecord(name, publisher);
        addInstall(record, format, architecture);
        return record;
    }

    QStringList shownAfterUpdate()
    {
        m_model.update(records());
        return shownNames(m_model);
    }

    LibraryViewModel m_model;
};

TEST_F(LibraryViewModelTest, NothingFoundGivesNoSections)
{
    PluginRecord* gone = addRecord(QStringLiteral("Gone"), QStringLiteral("Example"));
    InstallSpec missing;
    missing.status = InstallStatus::notFound;
    addInstall(gone, missing);
    addRecord(QStringLiteral("Empty"), QStringLiteral("Example"));
    m_model.update(records());
    EXPECT_TRUE(m_model.sections().isEmpty());
    EXPECT_EQ(m_model.totalGroupCount(), 0);
    EXPECT_TRUE(m_model.recordLookup().isEmpty());
    EXPECT_EQ(m_model.shownGroupCount(), 0);
}

TEST_F(LibraryViewModelTest, RecordWithMoreFoundInstallsRepresentsTheGroup)
{
    PluginRecord* canonical = plugin(QStringLiteral("Diva"), QStringLiteral("u-he"));
    InstallSpec missing;
    missing.format = PluginFormat::vst;
    missing.status = InstallStatus::notFound;
    addInstall(canonical, missing);
    PluginRecord* suffixed = plugin(QStringLiteral("Diva VST3"), QStringLiteral("u-he"), PluginFormat::vst3);
    addInstall(suffixed, PluginFormat::clap);

    m_model.update(records());
    EXPECT_EQ(m_model.recordLookup().value(QStringLiteral("diva")), suffixed);
    EXPECT_EQ(m_model.totalGroupCount(), 1);
    m_model.update({suffixed, canonical});
    EXPECT_EQ(m_model.recordFor(QStringLiteral("diva")), suffixed);
}

TEST_F(LibraryViewModelTest, PreferDecidesByCanonicalNameThenLengthThenName)
{
    struct Case {
        const char* winner;
        const char* loser;
    };
    // Equal found counts throughout; "Diva" is the only canonical name.
    const Case cases[]{{"Diva", "Diva VST3"}, {"Diva AU", "Diva VST3"}, {"Diva AU", "Diva FX"}};
    for (const Case& c : cases) {
        PluginRecord* winner = plugin(QString::fromUtf8(c.winner), QStringLiteral("u-he"));
        PluginRecord* loser = plugin(QString::fromUtf8(c.loser), QStringLiteral("u-he"));
        m_model.update({loser, winner});
        EXPECT_EQ(m_model.recordFor(QStringLiteral("diva")), winner) << c.winner;
        m_model.update({winner, loser});
        EXPECT_EQ(m_model.recordFor(QStringLiteral("diva")), winner) << c.winner;
    }

    // Names that compare equal: the record met first stays.
    PluginRecord* upper = plugin(QStringLiteral("DIVA AU"), QStringLiteral("u-he"));
    PluginRecord* mixed = plugin(QStringLiteral("Diva AU"), QStringLiteral("u-he"));
    m_model.update({upper, mixed});
    EXPECT_EQ(m_model.recordFor(QStringLiteral("diva")), upper);
    m_model.update({mixed, upper});
    EXPECT_EQ(m_model.recordFor(QStringLiteral("diva")), mixed);
}

TEST_F(LibraryViewModelTest, FiltersJudgeTheChosenRecordNotTheMergedRows)
{
    PluginRecord* chosen = plugin(QStringLiteral("Diva"), QStringLiteral("u-he"));
    PluginRecord* other = plugin(QStringLiteral("Diva VST3"), QStringLiteral("u-he"), PluginFormat::vst3);
    other->setIsFavorite(true);
    addTag(other, QStringLiteral("synth"));

    EXPECT_EQ(shownAfterUpdate(), QStringList{QStringLiteral("Diva")});
    m_model.filterState()->setFavoritesOnly(true);
    EXPECT_TRUE(shownAfterUpdate().isEmpty());
    m_model.filterState()->reset();
    m_model.filterState()->setSelectedFormats({PluginFormat::vst3});
    EXPECT_TRUE(shownAfterUpdate().isEmpty());
    m_model.filterState()->reset();
    m_model.filterState()->setSelectedTags({QStringLiteral("synth")});
    EXPECT_TRUE(shownAfterUpdate().isEmpty());
    chosen->setIsFavorite(true);
    m_model.filterState()->reset();
    m_model.filterState()->setFavoritesOnly(true);
    EXPECT_EQ(shownAfterUpdate(), QStringList{QStringLiteral("Diva")});
}

TEST_F(LibraryViewModelTest, SearchMatchesNameOrPublisherLiterally)
{
    plugin(QStringLiteral("Pro-Q 3"), QStringLiteral("FabFilter"));
    plugin(QStringLiteral("Saturn 2"), QStringLiteral("FabFilter"));
    plugin(QStringLiteral("Supermassive"), QStringLiteral("Valhalla DSP"));
    plugin(QStringLiteral("Étude"), QStringLiteral("Example Audio"));

    const struct {
        const char* search;
        QStringList expected;
    } cases[]{
        {"fab", {QStringLiteral("Pro-Q 3"), QStringLiteral("Saturn 2")}},
        {"PRO-Q", {QStringLiteral("Pro-Q 3")}},
        {"pro q", {}},
        {"massive", {QStringLiteral("Supermassive")}},
        {"a dsp", {QStringLiteral("Supermassive")}},
        {" dsp", {QStringLiteral("Supermassive")}},
        {"dsp ", {}},
        {"etude", {}},
        {"ſat", {}},
        {"aTURN", {QStringLiteral("Saturn 2")}},
        {"aturn 2", {QStringLiteral("Saturn 2")}},
        {"ÉTU", {QStringLiteral("Étude")}},
        // Alphabetical sections: "É" comes after the letters A to Z.
        {"", {QStringLiteral("Pro-Q 3"), QStringLiteral("Saturn 2"), QStringLiteral("Supermassive"), QStringLiteral("Étude")}},
    };
    for (const auto& c : cases) {
        m_model.filterState()->setSearchText(QString::fromUtf8(c.search));
        EXPECT_EQ(shownAfterUpdate(), c.expected) << c.search;
        EXPECT_EQ(m_model.totalGroupCount(), 4) << c.search;
    }
}

// Formats and architectures pass on any overlap with the found installs' stored values; every
// selected tag must be present, spelled exactly.
TEST_F(LibraryViewModelTest, FormatsArchitecturesAndTagsJudgeTheFoundInstalls)
{
    PluginRecord* alpha = plugin(QStringLiteral("Alpha"), QStringLiteral("Example"));
    addInstall(alpha, PluginFormat::vst3, PluginArchitecture::universal);
    addTag(alpha, QStringLiteral("mixing"));
    PluginRecord* bravo = plugin(QStringLiteral("Bravo"), QStringLiteral("Example"), PluginFormat::au,
                                 PluginArchitecture::x86_64);
    InstallSpec missing;
    missing.format = PluginFormat::vst3;
    missing.architecture = PluginArchitecture::universal;
    missing.status = InstallStatus::notFound;
    addInstall(bravo, missing);
    for (const char* tag : {"mixing", "eq", "bus"})
        addTag(bravo, QString::fromUtf8(tag));
    PluginRecord* charlie = plugin(QStringLiteral("Charlie"), QStringLiteral("Example"), PluginFormat::clap,
                                   PluginArchitecture::unknown);
    addTag(charlie, QStringLiteral("mixing"));
    addTag(charlie, QStringLiteral("EQ"));
    plugin(QStringLiteral("Delta"), QStringLiteral("Example"), PluginFormat::aax);

    const struct {
        std::function<void(FilterState&)> set;
        QStringList shown;
    } cases[]{
        {[](FilterState& s) { s.setSelectedFormats({PluginFormat::vst3, PluginFormat::clap}); }, {"Alpha", "Charlie"}},
        {[](FilterState& s) { s.setSelectedFormats({PluginFormat::au}); }, {"Alpha", "Bravo"}},
        {[](FilterState& s) { s.setSelectedArchitectures({PluginArchitecture::arm64}); }, {"Alpha", "Delta"}},
        {[](FilterState& s) { s.setSelectedArchitectures({PluginArchitecture::universal}); }, {"Alpha"}},
        {[](FilterState& s) { s.setSelectedArchitectures({PluginArchitecture::x86_64, PluginArchitecture::unknown}); },
         {"Bravo", "Charlie"}},
        {[](FilterState& s) { s.setSelectedTags({QStringLiteral("mixing"), QStringLiteral("eq")}); }, {"Bravo"}},
        {[](FilterState& s) { s.setSelectedTags({QStringLiteral("mixing")}); }, {"Alpha", "Bravo", "Charlie"}},
    };
    for (const auto& c : cases) {
        m_model.filterState()->reset();
        c.set(*m_model.filterState());
        EXPECT_EQ(shownAfterUpdate(), c.shown) << c.shown.join(u' ').toStdString();
    }
}

TEST_F(LibraryViewModelTest, InstallDateBoundsAreInclusiveToTheSecond)
{
    const QDateTime january = at(2024, 1, 1);
    const QDateTime june = at(2024, 6, 1);
    InstallSpec bundleSpec;
    bundleSpec.installDate = january;
    addInstall(addRecord(QStringLiteral("Alpha"), QStringLiteral("Example")), bundleSpec);
    bundleSpec.installDate = june;
    addInstall(addRecord(QStringLiteral("Bravo"), QStringLiteral("Example")), bundleSpec);
    PluginRecord* late = addRecord(QStringLiteral("Charlie"), QStringLiteral("Example"));
    bundleSpec.installDate = at(2025, 1, 1);
    addInstall(late, bundleSpec);
    bundleSpec.installDate = at(2023, 1, 1);
    bundleSpec.status = InstallStatus::notFound;
    bundleSpec.format = PluginFormat::vst3;
    addInstall(late, bundleSpec);

    struct Case {
        QDateTime from;
        QDateTime to;
        QStringList expected;
    };
    const Case cases[]{
        {{}, june, {QStringLiteral("Alpha"), QStringLiteral("Bravo")}},
        {{}, june.addSecs(-1), {QStringLiteral("Alpha")}},
        {{}, at(2023, 6, 1), {}},
        {june, {}, {QStringLiteral("Bravo"), QStringLiteral("Charlie")}},
        {june.addSecs(1), {}, {QStringLiteral("Charlie")}},
        {january.addSecs(1), june, {QStringLiteral("Bravo")}},
        {june, june, {QStringLiteral("Bravo")}},
        {june.addMSecs(1), june.addDays(1), {}},
    };
    for (const Case& c : cases) {
        m_model.filterState()->setInstallDateFrom(c.from);
        m_model.filterState()->setInstallDateTo(c.to);
        EXPECT_EQ(shownAfterUpdate(), c.expected)
            << c.from.toString(Qt::ISODate).toStdString() << " - " << c.to.toString(Qt::ISODate).toStdString();
    }
}

// Each mode's sections in its header order, the cards of each in name order: "#" first and other
// letters after Z by name; the empty publisher first and publishers by collation; format
// combinations in code-point order; Rosetta and Unknown by architecture; categories or Other.
TEST_F(LibraryViewModelTest, SectionsComeInEachModesHeaderOrder)
{
    using Installs = std::vector<std::pair<PluginFormat, PluginArchitecture>>;
    constexpr auto au = PluginFormat::au;
    constexpr auto arm = PluginArchitecture::arm64;
    constexpr auto intel = PluginArchitecture::x86_64;
    struct Plugin {
        const char* name;
        const char* publisher = "Example";
        Installs installs = {{PluginFormat::au, PluginArchitecture::arm64}};
        const char* category = "";
    };
    const struct {
        GroupingMode mode;
        std::vector<Plugin> plugins;
        QStringList layout;
    } cases[]{
        {GroupingMode::alphabetical,
         {{"Zeta"}, {"808 Drums"}, {"alpha"}, {"Étude"}, {"E\u0301cho"}, {"beta Synth"}, {"Ozone"}, {"(Bracket)"}},
         {"#: (Bracket), 808 Drums", "A: Alpha", "B: beta Synth", "O: Ozone", "Z: Zeta",
          QString::fromUtf8("É: E\u0301cho, Étude")}},
        {GroupingMode::byPublisher,
         {{"Kick", "Zed"}, {"Snare", "beta Audio"}, {"Hat", ""}, {"Tom", "Alpha"}, {"Clap", "Alpha"}},
         {": Hat", "Alpha: Clap, Tom", "beta Audio: Snare", "Zed: Kick"}},
        {GroupingMode::byFormat,
         {{"One", "Example", {{au, arm}, {PluginFormat::vst3, arm}}},
          {"Two"},
          {"Three", "Example", {{PluginFormat::clap, arm}}},
          {"Four", "Example", {{PluginFormat::vst3, arm}}},
          {"Five", "Example",
           {{PluginFormat::clap, arm}, {PluginFormat::vst3, arm}, {PluginFormat::aax, arm}, {PluginFormat::vst, arm},
            {au, arm}}},
          {"Eleven", "Example", {{PluginFormat::clap, arm}}}},
         {"AU: Two", QString::fromUtf8("AU · VST · VST3 · AAX · CLAP: Five"), QString::fromUtf8("AU · VST3: One"),
          "CLAP: Eleven, Three", "VST3: Four"}},
        {GroupingMode::byArchitecture,
         {{"Fat", "Example", {{au, PluginArchitecture::universal}}},
          {"Old", "Example", {{au, intel}}},
          {"Mixed", "Example", {{au, intel}, {PluginFormat::vst3, arm}}},
          {"Mystery", "Example", {{au, PluginArchitecture::unknown}}},
          {"Ancient", "Example", {{PluginFormat::vst, intel}}}},
         {"Apple Silicon: Fat, Mixed", "Rosetta (Intel Only): Ancient, Old", "Unknown: Mystery"}},
        {GroupingMode::byType,
         {{"Zeta", "Example", {{au, arm}}, "Synth"},
          {"Alpha", "Example", {{au, arm}}, "Synth"},
          {"Bravo"},
          {"Charlie", "Example", {{au, arm}}, "eq"},
          {"Delta", "Example", {{au, arm}}, "Reverb"}},
         {"eq: Charlie", "Other: Bravo", "Reverb: Delta", "Synth: Alpha, Zeta"}},
    };
    for (const auto& c : cases) {
        QList<PluginRecord*> made;
        for (const Plugin& plugin : c.plugins) {
            made.append(addRecord(QString::fromUtf8(plugin.name), QString::fromUtf8(plugin.publisher),
                                  QString::fromUtf8(plugin.category)));
            for (const auto& [format, architecture] : plugin.installs)
                addInstall(made.back(), format, architecture);
        }
        LibraryViewModel model;
        model.filterState()->setGroupingMode(c.mode);
        model.update(made);
        EXPECT_EQ(layout(model), c.layout) << rawValue(c.mode).toStdString();
    }
}

TEST(LibrarySectioningTest, HeadersWithoutFormatsArchitecturesOrRecord)
{
    PluginGroup group;
    group.id = QStringLiteral("nothing");
    EXPECT_EQ(LibrarySectioning::header(group, GroupingMode::alphabetical, {}), QStringLiteral("#"));
    EXPECT_EQ(LibrarySectioning::header(group, GroupingMode::byFormat, {}), QStringLiteral("Unknown"));
    EXPECT_EQ(LibrarySectioning::header(group, GroupingMode::byArchitecture, {}), QStringLiteral("Unknown"));
    EXPECT_EQ(LibrarySectioning::header(group, GroupingMode::byType, {}), QStringLiteral("Other"));
    EXPECT_EQ(LibrarySectioning::header(group, GroupingMode::byPublisher, {}), QString());
    group.architectures = {QStringLiteral("PowerPC")};
    EXPECT_EQ(LibrarySectioning::header(group, GroupingMode::byArchitecture, {}), QStringLiteral("Unknown"));
}

TEST(LibrarySectioningTest, InitialsAndCodePointOrder)
{
    EXPECT_EQ(LibrarySectioning::initialHeader(QStringLiteral("éclair")), QString::fromUtf8("É"));
    EXPECT_EQ(LibrarySectioning::initialHeader(QStringLiteral("_x")), QStringLiteral("#"));
    EXPECT_EQ(LibrarySectioning::initialHeader(QStringLiteral(" x")), QStringLiteral("#"));
    EXPECT_EQ(LibrarySectioning::initialHeader(QString::fromUtf8("\U0001D400lpha")), QString::fromUtf8("\U0001D400"));
    // UTF-16 would put the surrogate pair (D835) before the full-width letter (FF21).
    EXPECT_TRUE(LibrarySectioning::codePointLess(QString::fromUtf8("\uFF21"), QString::fromUtf8("\U0001D400")));
    EXPECT_FALSE(LibrarySectioning::codePointLess(QString::fromUtf8("\U0001D400"), QString::fromUtf8("\uFF21")));
    EXPECT_TRUE(LibrarySectioning::codePointLess(QStringLiteral("AU"), QStringLiteral("AU \u00B7 VST3")));
    EXPECT_FALSE(LibrarySectioning::codePointLess(QStringLiteral("AU"), QStringLiteral("AU")));
    EXPECT_TRUE(LibrarySectioning::codePointLess(QStringLiteral("Z"), QString::fromUtf8("É")));
}

TEST_F(LibraryViewModelTest, NotifiesOnlyWhatChanged)
{
    plugin(QStringLiteral("Alpha"), QStringLiteral("Example"));
    plugin(QStringLiteral("Bravo"), QStringLiteral("Example"));
    QSignalSpy sections(&m_model, &LibraryViewModel::sectionsChanged);
    QSignalSpy total(&m_model, &LibraryViewModel::totalGroupCountChanged);
    QSignalSpy lookup(&m_model, &LibraryViewModel::recordLookupChanged);
    m_model.update(records());
    m_model.update(records());
    EXPECT_EQ(sections.count(), 2);
    EXPECT_EQ(total.count(), 1);
    EXPECT_EQ(lookup.count(), 1);

    m_model.filterState()->setSearchText(QStringLiteral("alp"));
    m_model.update(records());
    EXPECT_EQ(sections.count(), 3);
    EXPECT_EQ(total.count(), 1);
    EXPECT_EQ(m_model.totalGroupCount(), 2);
    EXPECT_EQ(m_model.shownGroupCount(), 1);
    EXPECT_EQ(lookup.count(), 1);

    // Empty stays empty: nothing to redraw.
    m_model.filterState()->setSearchText(QStringLiteral("nothing like it"));
    m_model.update(records());
    m_model.update(records());
    EXPECT_EQ(sections.count(), 4);
    m_model.update({});
    EXPECT_EQ(sections.count(), 4);
    EXPECT_EQ(total.count(), 2);
    EXPECT_EQ(lookup.count(), 2);
}

// The groups are built again only when what they are made of changed.
TEST_F(LibraryViewModelTest, GroupsAreKeptWhileTheirRowsStayTheSame)
{
    PluginRecord* alpha = plugin(QStringLiteral("Alpha"), QStringLiteral("Example"));
    PluginInstall* install = alpha->installs().front();
    plugin(QStringLiteral("Bravo"), QStringLiteral("Example"));
    m_model.update(records());
    ASSERT_EQ(m_model.groupingCount(), 1);

    struct Step {
        const char* what;
        std::function<void()> change;
        bool fullUpdate;
        int groupings;
        QStringList shown;
    };
    const std::vector<Step> steps{
        {"keystroke", [&] { m_model.filterState()->setSearchText(QStringLiteral("alp")); }, false, 1, {"Alpha"}},
        {"another character", [&] { m_model.filterState()->setSearchText(QStringLiteral("alph")); }, false, 1, {"Alpha"}},
        {"grouping mode", [&] { m_model.filterState()->setGroupingMode(GroupingMode::byFormat); }, false, 1, {"Alpha"}},
        {"a note", [&] { alpha->setNotes(QStringLiteral("warm")); }, true, 1, {"Alpha"}},
        {"favourites on a kept group", [&] {
             alpha->setIsFavorite(true);
             m_model.filterState()->setSearchText({});
             m_model.filterState()->setFavoritesOnly(true);
         }, false, 1, {"Alpha"}},
        {"a size", [&] { install->setFileSize(install->fileSize() + 1); }, true, 2, {"Alpha"}},
        {"a version", [&] { install->setVersion(QStringLiteral("9")); }, true, 3, {"Alpha"}},
        {"a path", [&] { install->setFilePath(QStringLiteral("/elsewhere/Alpha.component")); }, true, 4, {"Alpha"}},
        {"a date", [&] { install->setDateModified(at(2020, 2, 2)); }, true, 5, {"Alpha"}},
        {"a publisher", [&] { alpha->setPublisher(QStringLiteral("Other")); }, true, 6, {"Alpha"}},
        {"a name", [&] { alpha->setName(QStringLiteral("Alpine")); }, true, 7, {"Alpine"}},
        {"an install gone", [&] { install->setStatus(InstallStatus::notFound); }, true, 8, {}},
        {"nothing", [] {}, true, 8, {}},
    };
    for (const Step& step : steps) {
        step.change();
        if (step.fullUpdate)
            m_model.update(records());
        else
            m_model.refilter();
        EXPECT_EQ(m_model.groupingCount(), step.groupings) << step.what;
        EXPECT_EQ(shownNames(m_model), step.shown) << step.what;
    }
    EXPECT_EQ(m_model.totalGroupCount(), 1);
}

// The other fields of the maps are read back by the command line's list --json.
TEST_F(LibraryViewModelTest, SectionMapsNameTheLinuxPlatformOfLabelledArchitectures)
{
    PluginRecord* record = plugin(QStringLiteral("Alpha"), QStringLiteral("Example"));
    addInstall(record, PluginFormat::lv2, PluginArchitecture::arm64Generic)->setPlatform(PluginPlatform::linuxNative);
    m_model.update(records());
    const QVariantMap group =
        m_model.property("sections").toList().first().toMap().value(QStringLiteral("groups")).toList().first().toMap();
    EXPECT_EQ(group.value(QStringLiteral("architectures")).toStringList(),
              (QStringList{QStringLiteral("ARM 64 (Linux)"), QStringLiteral("Apple Silicon")}));
    EXPECT_EQ(group.value(QStringLiteral("platforms")).toStringList(), (QStringList{"macOS", "Linux"}));
}

// Within a section, by every key both ways: ties keep name order, undated groups stay last,
// installs that are gone do not date a group, and the sections themselves keep their order.
TEST_F(LibraryViewModelTest, SortOrdersCardsWithinTheirSections)
{
    const auto add = [this](const QString& name, const QString& publisher, qint64 bytes, const QDateTime& installed,
                            const QDateTime& modified) {
        InstallSpec shape;
        shape.fileSize = bytes;
        shape.installDate = installed;
        shape.dateModified = modified;
        PluginRecord* record = addRecord(name, publisher);
        addInstall(record, shape);
        return record;
    };
    PluginRecord* alpha = add(QStringLiteral("Alpha"), QStringLiteral("zeta Audio"), 3'000'000, at(2024, 1, 5), at(2023, 6, 1));
    add(QStringLiteral("Amber"), QStringLiteral("Acme"), 1'000'000, at(2025, 2, 1), at(2024, 1, 1));
    add(QStringLiteral("Apex"), QStringLiteral("Beta"), 2'000'000, {}, {});
    add(QStringLiteral("Axis"), QStringLiteral("acme"), 3'000'000, at(2024, 1, 5), at(2025, 1, 1));
    add(QStringLiteral("Bravo"), QStringLiteral("Acme"), 9'000'000, at(2026, 1, 1), at(2026, 1, 1));
    InstallSpec gone;
    gone.format = PluginFormat::vst3;
    gone.status = InstallStatus::notFound;
    gone.installDate = gone.dateModified = at(2030, 1, 1);
    addInstall(alpha, gone);

    const struct {
        LibrarySortKey key;
        bool ascending;
        QString sectionA;
    } cases[] = {
        {LibrarySortKey::name, true, QStringLiteral("Alpha, Amber, Apex, Axis")},
        {LibrarySortKey::name, false, QStringLiteral("Axis, Apex, Amber, Alpha")},
        {LibrarySortKey::publisher, true, QStringLiteral("Amber, Axis, Apex, Alpha")},
        {LibrarySortKey::publisher, false, QStringLiteral("Alpha, Apex, Amber, Axis")},
        {LibrarySortKey::size, true, QStringLiteral("Amber, Apex, Alpha, Axis")},
        {LibrarySortKey::size, false, QStringLiteral("Alpha, Axis, Apex, Amber")},
        {LibrarySortKey::installDate, true, QStringLiteral("Alpha, Axis, Amber, Apex")},
        {LibrarySortKey::installDate, false, QStringLiteral("Amber, Alpha, Axis, Apex")},
        {LibrarySortKey::modificationDate, true, QStringLiteral("Alpha, Amber, Axis, Apex")},
        {LibrarySortKey::modificationDate, false, QStringLiteral("Axis, Amber, Alpha, Apex")},
    };
    for (const auto& c : cases) {
        m_model.filterState()->setSortKey(c.key);
        m_model.filterState()->setSortAscending(c.ascending);
        m_model.update(records());
        EXPECT_EQ(layout(m_model), (QStringList{QStringLiteral("A: ") + c.sectionA, QStringLiteral("B: Bravo")}))
            << rawValue(c.key).toStdString() << (c.ascending ? " ascending" : " descending");
    }
    // Sorting is no filter: Reset keeps it, and it counts for nothing in the filter badge.
    EXPECT_FALSE(m_model.filterState()->hasActiveFilters());
    m_model.filterState()->reset();
    EXPECT_EQ(m_model.filterState()->sortKey(), LibrarySortKey::modificationDate);
    EXPECT_FALSE(m_model.filterState()->sortAscending());
}

} // namespace
