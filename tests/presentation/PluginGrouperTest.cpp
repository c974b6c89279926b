#include "presentation/PluginGrouper.h"
#include "model/RowDateFormat.h"
#include "presentation/GroupKey.h"
#include "presentation/RowLabels.h"
#include "store/CanonicalNames.h"

#include <QLocale>

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

RawPlugin row(const QString& name, const QString& publisher = {}, const QString& type = QStringLiteral("AU"))
{
    RawPlugin plugin;
    plugin.name = name;
    plugin.publisher = publisher;
    plugin.version = QStringLiteral("1.0");
    plugin.type = type;
    plugin.archs = QStringLiteral("Apple Silicon");
    plugin.dated = QStringLiteral("1-Jan-25");
    plugin.installed = QStringLiteral("2-Jan-25");
    plugin.size = QStringLiteral("1000");
    plugin.pluginID = QStringLiteral("com.example.") + name;
    plugin.path = QStringLiteral("/Plug-Ins/") + name + u'.' + type;
    return plugin;
}

QStringList names(const QList<PluginGroup>& groups)
{
    QStringList result;
    for (const PluginGroup& group : groups)
        result.append(group.name);
    return result;
}

class PluginGrouperTest : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    PluginGrouper m_grouper;
};

TEST(GroupKeyTest, CleansLowerCasesAndTrims)
{
    EXPECT_EQ(groupKey(QStringLiteral("Pro-Q 3 AU")), QStringLiteral("pro-q 3"));
    EXPECT_EQ(groupKey(QStringLiteral("  Reverb VST3\t")), QStringLiteral("reverb"));
    EXPECT_EQ(groupKey(QStringLiteral("ÜBERVERB")), QStringLiteral("überverb"));
    for (const char* name : {"Pro-Q 3 AU", "Massive X Inst", " Serum_x64 ", "DivaAU", "Kontakt 7"})
        EXPECT_EQ(groupKey(QString::fromUtf8(name)), recordKey(QString::fromUtf8(name), QString()).name)
            << name;
}

TEST_F(PluginGrouperTest, SpellingsOfOneNameFormOneGroup)
{
    RawPlugin first = row(QStringLiteral("Pro-Q 3"), QStringLiteral("FabFilter"));
    first.version = u"2.0"_s;
    const auto groups = m_grouper.group(
        {first, row(QStringLiteral("Pro-Q 3 AU"), QStringLiteral("FabFilter"), QStringLiteral("VST")),
         row(QStringLiteral("pro-q 3 vst3"), QStringLiteral("FabFilter"), QStringLiteral("VST3"))});
    ASSERT_EQ(groups.size(), 1);
    EXPECT_EQ(groups[0].id, QStringLiteral("pro-q 3"));
    EXPECT_EQ(groups[0].name, QStringLiteral("Pro-Q 3"));
    EXPECT_EQ(groups[0].publisher, QStringLiteral("FabFilter"));
    EXPECT_EQ(groups[0].formats,
              (QStringList{QStringLiteral("AU"), QStringLiteral("VST"), QStringLiteral("VST3")}));
    EXPECT_EQ(groups[0].paths, (QStringList{u"/Plug-Ins/Pro-Q 3.AU"_s, u"/Plug-Ins/Pro-Q 3 AU.VST"_s,
                                            u"/Plug-Ins/pro-q 3 vst3.VST3"_s}));
    EXPECT_EQ(groups[0].pluginIDs.first(), u"com.example.Pro-Q 3"_s);
    EXPECT_EQ(groups[0].version, u"2.0"_s);
}

TEST_F(PluginGrouperTest, PublisherIsTheFirstUsableOne)
{
    const QString key = QStringLiteral("reverb");
    auto rows =
        QList<RawPlugin>{row(key, QString()), row(key, QStringLiteral("Example Inc.")),
                         row(key, QStringLiteral("Example Audio")), row(key, QStringLiteral("Other"))};
    EXPECT_EQ(m_grouper.makeGroup(key, rows).publisher, QStringLiteral("Example Audio"));

    // Blank publishers and the plug-in's own name are no maker.
    rows = {row(key, QStringLiteral(" \t")), row(key, QStringLiteral(" REVERB ")),
            row(key, QStringLiteral("acme audio "))};
    EXPECT_EQ(m_grouper.makeGroup(key, rows).publisher, QStringLiteral("Acme Audio"));

    // Nothing usable: the first row's publisher, even when empty.
    rows = {row(key, QString()), row(key, QStringLiteral("x.y"))};
    EXPECT_EQ(m_grouper.makeGroup(key, rows).publisher, QString());
    rows = {row(key, QStringLiteral("a.b")), row(key, QString())};
    EXPECT_EQ(m_grouper.makeGroup(key, rows).publisher, QStringLiteral("A.b"));
}

// Candidates are cleaned, stripped of the maker and re-cased; then blanks win, then the shorter, then collation.
TEST_F(PluginGrouperTest, NameCandidatesPreferBlanksThenShortThenCollation)
{
    const struct {
        QList<RawPlugin> rows;
        const char* name;
    } cases[]{
        {{row(u"ValhallaVintageVerb"_s), row(u"Vintage Verb"_s)}, "Vintage Verb"},
        {{row(u"Alpha Beta"_s), row(u"Alpha Be"_s)}, "Alpha Be"},
        {{row(u"Beta One"_s), row(u"Acta One"_s)}, "Acta One"},
        {{row(u"valhalla_vintage_verb VST3"_s)}, "Valhalla Vintage Verb"},
        {{row(u"NI Massive X Inst"_s, u"Native Instruments"_s)}, "Massive X"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(m_grouper.makeGroup(u"k"_s, c.rows).name, QString::fromUtf8(c.name));
}

TEST(StripPublisherPrefixTest, StripsAKeyOfThePublisherLeadingTheName)
{
    const struct {
        const char* name;
        const char* publisher;
        const char* expected;
    } cases[]{
        {"NI Massive X", "Native Instruments", "Massive X"}, {"FabFilter-Pro-Q", "FabFilter", "Pro Q"},
        {"Native_Instruments_Kontakt", "Native Instruments", "Instruments Kontakt"},
        {"NInstruments Foo", "Native Instruments", "Foo"}, {"NativeInstruments  Foo", "Native Instruments", "Foo"},
        {"Valhalla--Room", "Valhalla DSP, LLC", "Room"}, {"Massive", "Native Instruments", "Massive"},
        {"Massive X", "Native Instruments", "Massive X"}, {"Foo Bar", "", "Foo Bar"}, {"Foo Bar", "---", "Foo Bar"},
        {"Echoboy Jr", "Echoboy Jr", "Echoboy Jr"}, {"Echoboy Jr", "ECHOBOY JR VST3", "Echoboy Jr"},
        {"Echoboy Jr", "Echoboy", "Jr"}, {"Fab.Filter Pro", "FabFilter", "Pro"},
        {"ValhallaLLC Room", "Valhalla DSP, LLC", "Room"}, {"ÜÄ Foo", "Ünver Äudio", "Foo"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PluginGrouper::stripPublisherPrefix(QString::fromUtf8(c.name), QString::fromUtf8(c.publisher)),
                  QString::fromUtf8(c.expected))
            << c.name << " / " << c.publisher;
}

TEST_F(PluginGrouperTest, FormatsInCanonicalOrderThenOthers)
{
    const auto formats = [this](std::initializer_list<const char*> types) {
        QList<RawPlugin> rows;
        for (const char* type : types)
            rows.append(row(u"k"_s, {}, QString::fromUtf8(type)));
        return m_grouper.makeGroup(u"k"_s, rows).formats.join(u' ');
    };
    EXPECT_EQ(formats({"VST3", "AU", "audio unit", "CLAP"}), u"AU VST3 CLAP"_s);
    EXPECT_EQ(formats({"lv2", "clap", "Aax", "vst 3", "Vst", "Audio Unit", "LV2"}), u"AU VST VST3 AAX CLAP LV2"_s);
}

TEST_F(PluginGrouperTest, ArchitecturesAreDistinctLabels)
{
    const auto architectures = [this](std::initializer_list<const char*> labels) {
        QList<RawPlugin> rows;
        for (const char* label : labels) {
            rows.append(row(u"k"_s));
            rows.back().archs = QString::fromUtf8(label);
        }
        return m_grouper.makeGroup(u"k"_s, rows).architectures.join(u'|');
    };
    EXPECT_EQ(architectures({"Apple Silicon, Intel 64", "Intel 64", ""}), u"Apple Silicon|Intel 64"_s);
    EXPECT_EQ(architectures({"Universal, \t,  Intel 64 "}), u"Intel 64|Universal"_s);
}

TEST_F(PluginGrouperTest, DatesAreTheLatestReadableOnes)
{
    const QString key = QStringLiteral("k");
    auto first = row(key);
    first.dated = QStringLiteral("17-Mar-25");
    first.installed = QStringLiteral("17-Mar-99");
    auto second = row(key);
    second.dated = QStringLiteral("5-Dec-26");
    second.installed = QStringLiteral("5-Dec-26");
    auto group = m_grouper.makeGroup(key, {first, second});
    EXPECT_EQ(group.dated, QStringLiteral("5-Dec-26"));
    // A two-digit year read as 1926 would lose to 1999.
    EXPECT_EQ(group.installed, QStringLiteral("5-Dec-26"));

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    group = m_grouper.makeGroup(key, {first, second});
    EXPECT_EQ(group.dated, formatDisplayRowDate(QDateTime(QDate(2026, 12, 5), QTime(0, 0), Qt::UTC)));
    EXPECT_NE(group.dated, QStringLiteral("5-Dec-26"));
    QLocale::setDefault(QLocale::c());

    first.dated = QStringLiteral("garbage");
    second.dated = QStringLiteral("also bad");
    EXPECT_EQ(m_grouper.makeGroup(key, {first, second}).dated, QStringLiteral("garbage"));
    second.dated = QStringLiteral("01-Jan-20");
    EXPECT_EQ(m_grouper.makeGroup(key, {first, second}).dated, QStringLiteral("1-Jan-20"));
}

// Unreadable sizes count nothing, the sum stops at the largest count, and plug-ins of one bundle share its bytes.
TEST_F(PluginGrouperTest, SizesAddUp)
{
    const struct {
        std::initializer_list<const char*> sizes; // a "=" prefix: the previous row's bundle
        qint64 bytes;
        const char* text;
    } cases[]{
        {{"2048", "1.5 KB"}, 3548, "4 KB"},
        {{"abc", "12abc"}, 0, "Zero KB"},
        {{"12  MB"}, 12, "12 bytes"},
        {{"1.5 MB", "250 KB"}, 1'750'000, "1.8 MB"},
        {{"9000000000000000000", "9000000000000000000"}, std::numeric_limits<qint64>::max(), "9.22 EB"},
        {{"1 MB", "=1 MB", "1 MB"}, 2'000'000, "2 MB"},
    };
    for (const auto& c : cases) {
        QList<RawPlugin> rows;
        for (const char* size : c.sizes) {
            const bool shared = *size == '=';
            rows.append(row(u"k"_s));
            rows.back().size = QString::fromUtf8(size + (shared ? 1 : 0));
            rows.back().path = u"/Plug-Ins/Bundle%1.vst3"_s.arg(rows.size() - (shared ? 1 : 0));
        }
        const PluginGroup group = m_grouper.makeGroup(u"k"_s, rows);
        EXPECT_EQ(group.totalSizeBytes, c.bytes) << *c.sizes.begin();
        EXPECT_EQ(group.totalSize, QString::fromUtf8(c.text)) << *c.sizes.begin();
    }
}

TEST_F(PluginGrouperTest, GroupsSortByNameWithAccentsBesideBaseLetters)
{
    const auto groups = m_grouper.group({row(QStringLiteral("zeta")), row(QStringLiteral("Foxtrot")),
                                         row(QStringLiteral("Éclair")), row(QStringLiteral("beta")),
                                         row(QStringLiteral("Alpha")), row(QStringLiteral("delta"))});
    EXPECT_EQ(names(groups),
              (QStringList{QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Delta"),
                           QStringLiteral("Éclair"), QStringLiteral("Foxtrot"), QStringLiteral("Zeta")}));
}

// A group without a maker borrows one from the first group, in sorted order, whose name is a
// proper, case-sensitive prefix of its own and which has a real publisher; repaired groups lend in turn.
TEST_F(PluginGrouperTest, GroupWithoutMakerBorrowsFromItsNamePrefix)
{
    const struct {
        QList<std::pair<const char*, const char*>> rows;
        QStringList groups; // "name: publisher" in sorted order
    } cases[]{
        {{{"Echoboy Jr", "Echoboy Jr"}, {"Echoboy", "Soundtoys"}, {"Decapitator", ""}},
         {"Decapitator: ", "Echoboy: Soundtoys", "Echoboy Jr: Soundtoys"}},
        {{{"Echoboy Jr", ""}, {"Echoboy", "Soundtoys"}, {"Echo", "Acme"}},
         {"Echo: Acme", "Echoboy: Soundtoys", "Echoboy Jr: Acme"}},
        {{{"Echoboy Jr", ""}, {"Echoboy", "ECHOBOY"}, {"ECHO", "Acme"}},
         {"ECHO: Acme", "Echoboy: ECHOBOY", "Echoboy Jr: "}},
        {{{"Delay Pro X", "delay pro x"}, {"Delay Pro", ""}, {"Delay", "Acme"}},
         {"Delay: Acme", "Delay Pro: Acme", "Delay Pro X: Acme"}},
    };
    for (const auto& c : cases) {
        QList<RawPlugin> rows;
        for (const auto& [name, publisher] : c.rows)
            rows.append(row(QString::fromUtf8(name), QString::fromUtf8(publisher)));
        QStringList groups;
        for (const PluginGroup& group : m_grouper.group(rows))
            groups.append(group.name + QStringLiteral(": ") + group.publisher);
        EXPECT_EQ(groups, c.groups);
    }
}

TEST_F(PluginGrouperTest, GroupsDisplayingTheSameNameLendNothingToEachOther)
{
    const auto groups = m_grouper.group({row(QStringLiteral("Reverb VST3"), QString()),
                                         row(QStringLiteral("FabFilter Reverb"), QStringLiteral("FabFilter"))});
    ASSERT_EQ(groups.size(), 2);
    EXPECT_EQ(names(groups), (QStringList{QStringLiteral("Reverb"), QStringLiteral("Reverb")}));
    QSet<QString> publishers;
    for (const PluginGroup& group : groups)
        publishers.insert(group.publisher);
    EXPECT_EQ(publishers, (QSet<QString>{QString(), QStringLiteral("FabFilter")}));
}

TEST_F(PluginGrouperTest, GroupsWithDistinctKeysHaveDistinctIds)
{
    QList<RawPlugin> rows;
    for (const char* name : {"Reverb", "Reverb AU", "Room", "room VST3", "Plate", "PlateAU", "Plateau"})
        rows.append(row(QString::fromUtf8(name)));
    const auto groups = m_grouper.group(rows);
    QSet<QString> ids;
    for (const PluginGroup& group : groups)
        ids.insert(group.id);
    EXPECT_EQ(ids,
              (QSet<QString>{QStringLiteral("reverb"), QStringLiteral("room"), QStringLiteral("plate")}));
    const auto plate =
        std::find_if(groups.cbegin(), groups.cend(), [](const PluginGroup& g) { return g.name == u"Plate"_s; });
    ASSERT_NE(plate, groups.cend());
    EXPECT_EQ(plate->paths.size(), 3);
}

} // namespace
