#include "presentation/PluginGrouper.h"
#include "model/RowDateFormat.h"
#include "presentation/GroupKey.h"
#include "presentation/RowLabels.h"
#include "store/CanonicalNames.h"

#include <QLocale>

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <limits>

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

const PluginGroup* findGroup(const QList<PluginGroup>& groups, const QString& name)
{
    for (const PluginGroup& group : groups)
        if (group.name == name)
            return &group;
    return nullptr;
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
    const auto groups = m_grouper.group(
        {row(QStringLiteral("Pro-Q 3"), QStringLiteral("FabFilter")),
         row(QStringLiteral("Pro-Q 3 AU"), QStringLiteral("FabFilter"), QStringLiteral("VST")),
         row(QStringLiteral("pro-q 3 vst3"), QStringLiteral("FabFilter"), QStringLiteral("VST3"))});
    ASSERT_EQ(groups.size(), 1);
    EXPECT_EQ(groups[0].id, QStringLiteral("pro-q 3"));
    EXPECT_EQ(groups[0].name, QStringLiteral("Pro-Q 3"));
    EXPECT_EQ(groups[0].publisher, QStringLiteral("FabFilter"));
    EXPECT_EQ(groups[0].formats,
              (QStringList{QStringLiteral("AU"), QStringLiteral("VST"), QStringLiteral("VST3")}));
    EXPECT_EQ(groups[0].paths.size(), 3);
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

TEST_F(PluginGrouperTest, NameCandidatesPreferBlanksThenShortThenCollation)
{
    const QString key = QStringLiteral("k");
    EXPECT_EQ(
        m_grouper
            .makeGroup(key, {row(QStringLiteral("ValhallaVintageVerb")), row(QStringLiteral("Vintage Verb"))})
            .name,
        QStringLiteral("Vintage Verb"));
    EXPECT_EQ(
        m_grouper.makeGroup(key, {row(QStringLiteral("Alpha Beta")), row(QStringLiteral("Alpha Be"))}).name,
        QStringLiteral("Alpha Be"));
    EXPECT_EQ(
        m_grouper.makeGroup(key, {row(QStringLiteral("Beta One")), row(QStringLiteral("Acta One"))}).name,
        QStringLiteral("Acta One"));
    // Candidates are cleaned, stripped of the maker and re-cased.
    EXPECT_EQ(m_grouper.makeGroup(key, {row(QStringLiteral("valhalla_vintage_verb VST3"))}).name,
              QStringLiteral("Valhalla Vintage Verb"));
    EXPECT_EQ(
        m_grouper
            .makeGroup(key, {row(QStringLiteral("NI Massive X Inst"), QStringLiteral("Native Instruments"))})
            .name,
        QStringLiteral("Massive X"));
}

struct StripCase {
    const char* name;
    const char* publisher;
    const char* expected;
};

class StripPublisherPrefixTest : public ::testing::TestWithParam<StripCase> {};

TEST_P(StripPublisherPrefixTest, Strips)
{
    EXPECT_EQ(PluginGrouper::stripPublisherPrefix(QString::fromUtf8(GetParam().name),
                                                  QString::fromUtf8(GetParam().publisher)),
              QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StripPublisherPrefixTest,
    ::testing::Values(StripCase{"NI Massive X", "Native Instruments", "Massive X"},
                      StripCase{"FabFilter-Pro-Q", "FabFilter", "Pro Q"},
                      StripCase{"Native_Instruments_Kontakt", "Native Instruments", "Instruments Kontakt"},
                      StripCase{"NInstruments Foo", "Native Instruments", "Foo"},
                      StripCase{"NativeInstruments  Foo", "Native Instruments", "Foo"},
                      StripCase{"Valhalla--Room", "Valhalla DSP, LLC", "Room"},
                      StripCase{"Massive", "Native Instruments", "Massive"},
                      StripCase{"Massive X", "Native Instruments", "Massive X"},
                      StripCase{"Foo Bar", "", "Foo Bar"}, StripCase{"Foo Bar", "---", "Foo Bar"},
                      StripCase{"Echoboy Jr", "Echoboy Jr", "Echoboy Jr"},
                      StripCase{"Echoboy Jr", "ECHOBOY JR VST3", "Echoboy Jr"},
                      StripCase{"Echoboy Jr", "Echoboy", "Jr"},
                      StripCase{"Template Plugin", "Template Plugin", "Template Plugin"},
                      StripCase{"Template Plugin", "template plugin", "Template Plugin"},
                      StripCase{"Fab.Filter Pro", "FabFilter", "Pro"}));

TEST(PublisherPrefixKeysTest, Spellings)
{
    const auto set = [](std::initializer_list<const char*> keys) {
        QSet<QString> result;
        for (const char* key : keys)
            result.insert(QString::fromUtf8(key));
        return result;
    };
    EXPECT_EQ(PluginGrouper::publisherPrefixKeys(QStringLiteral("Native Instruments")),
              set({"nativeinstruments", "native", "ni", "ninstruments"}));
    EXPECT_EQ(PluginGrouper::publisherPrefixKeys(QStringLiteral("FabFilter")), set({"fabfilter", "f"}));
    EXPECT_EQ(PluginGrouper::publisherPrefixKeys(QStringLiteral("Valhalla DSP, LLC")),
              set({"valhalladspllc", "valhalla", "vdl", "valhallallc", "vllc"}));
    EXPECT_EQ(PluginGrouper::publisherPrefixKeys(QStringLiteral("Ünver Äudio")),
              set({"ünveräudio", "ünver", "üä", "üäudio"}));
    EXPECT_TRUE(PluginGrouper::publisherPrefixKeys(QString()).isEmpty());
    EXPECT_TRUE(PluginGrouper::publisherPrefixKeys(QStringLiteral(" - & .")).isEmpty());
}

TEST_F(PluginGrouperTest, FormatsInCanonicalOrderThenOthers)
{
    const QString key = QStringLiteral("k");
    auto rows =
        QList<RawPlugin>{row(key, {}, QStringLiteral("VST3")), row(key, {}, QStringLiteral("AU")),
                         row(key, {}, QStringLiteral("audio unit")), row(key, {}, QStringLiteral("CLAP"))};
    EXPECT_EQ(m_grouper.makeGroup(key, rows).formats,
              (QStringList{QStringLiteral("AU"), QStringLiteral("VST3"), QStringLiteral("CLAP")}));

    rows = {row(key, {}, QStringLiteral("lv2")), row(key, {}, QStringLiteral("clap")),
            row(key, {}, QStringLiteral("Aax")), row(key, {}, QStringLiteral("vst 3")),
            row(key, {}, QStringLiteral("Vst")), row(key, {}, QStringLiteral("Audio Unit")),
            row(key, {}, QStringLiteral("LV2"))};
    EXPECT_EQ(m_grouper.makeGroup(key, rows).formats,
              (QStringList{QStringLiteral("AU"), QStringLiteral("VST"), QStringLiteral("VST3"),
                           QStringLiteral("AAX"), QStringLiteral("CLAP"), QStringLiteral("LV2")}));
}

TEST_F(PluginGrouperTest, ArchitecturesAreDistinctLabels)
{
    const QString key = QStringLiteral("k");
    auto first = row(key);
    first.archs = QStringLiteral("Apple Silicon, Intel 64");
    auto second = row(key);
    second.archs = QStringLiteral("Intel 64");
    auto third = row(key);
    third.archs = QString();
    EXPECT_EQ(m_grouper.makeGroup(key, {first, second, third}).architectures,
              (QStringList{QStringLiteral("Apple Silicon"), QStringLiteral("Intel 64")}));

    third.archs = QStringLiteral("Universal, \t,  Intel 64 ");
    EXPECT_EQ(m_grouper.makeGroup(key, {third}).architectures,
              (QStringList{QStringLiteral("Intel 64"), QStringLiteral("Universal")}));
    EXPECT_TRUE(m_grouper.makeGroup(key, {row(key)}).architectures.contains(QStringLiteral("Apple Silicon")));
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

TEST_F(PluginGrouperTest, SizesAddUp)
{
    const QString key = QStringLiteral("k");
    int bundles = 0;
    const auto sized = [&](const char* size) {
        auto plugin = row(key);
        plugin.size = QString::fromUtf8(size);
        plugin.path = QStringLiteral("/Plug-Ins/Bundle%1.vst3").arg(++bundles);
        return plugin;
    };
    auto group = m_grouper.makeGroup(key, {sized("2048"), sized("1.5 KB")});
    EXPECT_EQ(group.totalSizeBytes, 3548);
    EXPECT_EQ(group.totalSize, QStringLiteral("4 KB"));
    group = m_grouper.makeGroup(key, {sized("abc"), sized("12abc")});
    EXPECT_EQ(group.totalSizeBytes, 0);
    EXPECT_EQ(group.totalSize, QStringLiteral("Zero KB"));
    EXPECT_EQ(m_grouper.makeGroup(key, {sized("12  MB")}).totalSizeBytes, 12);
    EXPECT_EQ(m_grouper.makeGroup(key, {sized("1.5 MB"), sized("250 KB")}).totalSize,
              QStringLiteral("1.8 MB"));
    EXPECT_EQ(
        m_grouper.makeGroup(key, {sized("9000000000000000000"), sized("9000000000000000000")}).totalSizeBytes,
        std::numeric_limits<qint64>::max());
    // Plug-ins of one bundle share its bytes.
    auto shared = sized("1 MB");
    EXPECT_EQ(m_grouper.makeGroup(key, {shared, shared, sized("1 MB")}).totalSize, QStringLiteral("2 MB"));
}

TEST_F(PluginGrouperTest, RowFieldsCarriedInRowOrder)
{
    const QString key = QStringLiteral("reverb");
    auto first = row(QStringLiteral("Reverb"), {}, QStringLiteral("AU"));
    first.version = QStringLiteral("2.0");
    auto second = row(QStringLiteral("Reverb"), {}, QStringLiteral("VST3"));
    second.version = QStringLiteral("1.0");
    second.pluginID = first.pluginID;
    const auto group = m_grouper.makeGroup(key, {first, second});
    EXPECT_EQ(group.id, key);
    EXPECT_EQ(group.version, QStringLiteral("2.0"));
    EXPECT_EQ(group.pluginIDs, (QStringList{first.pluginID, first.pluginID}));
    EXPECT_EQ(group.paths, (QStringList{first.path, second.path}));
    EXPECT_FALSE(group.isFavorite);
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

TEST_F(PluginGrouperTest, GroupWithoutMakerBorrowsFromItsNamePrefix)
{
    const auto groups = m_grouper.group({row(QStringLiteral("Echoboy Jr"), QStringLiteral("Echoboy Jr")),
                                         row(QStringLiteral("Echoboy"), QStringLiteral("Soundtoys")),
                                         row(QStringLiteral("Decapitator"), QString())});
    EXPECT_EQ(names(groups), (QStringList{QStringLiteral("Decapitator"), QStringLiteral("Echoboy"),
                                          QStringLiteral("Echoboy Jr")}));
    EXPECT_EQ(findGroup(groups, QStringLiteral("Echoboy Jr"))->publisher, QStringLiteral("Soundtoys"));
    EXPECT_EQ(findGroup(groups, QStringLiteral("Decapitator"))->publisher, QString());
}

TEST_F(PluginGrouperTest, BorrowingTakesTheFirstLenderInSortedOrder)
{
    const auto groups = m_grouper.group({row(QStringLiteral("Echoboy Jr"), QString()),
                                         row(QStringLiteral("Echoboy"), QStringLiteral("Soundtoys")),
                                         row(QStringLiteral("Echo"), QStringLiteral("Acme"))});
    EXPECT_EQ(findGroup(groups, QStringLiteral("Echoboy Jr"))->publisher, QStringLiteral("Acme"));
}

TEST_F(PluginGrouperTest, LendersNeedARealPublisherAndAProperCaseSensitivePrefix)
{
    auto groups = m_grouper.group({row(QStringLiteral("Echoboy Jr"), QString()),
                                   row(QStringLiteral("Echoboy"), QStringLiteral("ECHOBOY")),
                                   row(QStringLiteral("ECHO"), QStringLiteral("Acme"))});
    EXPECT_EQ(findGroup(groups, QStringLiteral("Echoboy Jr"))->publisher, QString());
    EXPECT_EQ(findGroup(groups, QStringLiteral("Echoboy"))->publisher, QStringLiteral("ECHOBOY"));

    // Two groups that display the same name lend nothing to each other.
    groups = m_grouper.group({row(QStringLiteral("Reverb VST3"), QString()),
                              row(QStringLiteral("FabFilter Reverb"), QStringLiteral("FabFilter"))});
    ASSERT_EQ(groups.size(), 2);
    EXPECT_EQ(names(groups), (QStringList{QStringLiteral("Reverb"), QStringLiteral("Reverb")}));
    QSet<QString> publishers;
    for (const PluginGroup& group : groups)
        publishers.insert(group.publisher);
    EXPECT_EQ(publishers, (QSet<QString>{QString(), QStringLiteral("FabFilter")}));
}

TEST_F(PluginGrouperTest, RepairedGroupsLendInTurn)
{
    // Every group short of a maker is repaired, whether its publisher is empty or its own name.
    const auto groups = m_grouper.group({row(QStringLiteral("Delay Pro X"), QStringLiteral("delay pro x")),
                                         row(QStringLiteral("Delay Pro"), QString()),
                                         row(QStringLiteral("Delay"), QStringLiteral("Acme"))});
    EXPECT_EQ(findGroup(groups, QStringLiteral("Delay Pro"))->publisher, QStringLiteral("Acme"));
    EXPECT_EQ(findGroup(groups, QStringLiteral("Delay Pro X"))->publisher, QStringLiteral("Acme"));
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
    EXPECT_EQ(findGroup(groups, QStringLiteral("Plate"))->paths.size(), 3);
}

} // namespace
