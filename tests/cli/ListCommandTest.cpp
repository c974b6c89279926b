#include "LibraryCatalog.h"
#include "support/QtPrinters.h"

#include <QJsonArray>

namespace {

class ListCommandTest : public LibraryCatalog {};

TEST_F(ListCommandTest, ListsTheSectionsAsTheLibraryShowsThem) {
    struct Case {
        QStringList options;
        const char* expected;
    };
    const QList<Case> cases{
        {{},
         "Zuzuze Vizozod 4 plugins\n"
         "\n"
         "# (1)\n"
         "  808 Drums     Effect \u00B7 Beat Co         AU                 700 KB  10-Mar-24\n"
         "\n"
         "P (1)\n"
         "  Pro-Q 3       Equalizer \u00B7 FabFilter    AU, VST3             5 MB  10-Mar-24\n"
         "\n"
         "V (1)\n"
         "  Vintage Tape  Saturation \u00B7 Acme Audio  VST3      Rosetta  1.5 MB  10-Mar-24\n"
         "\n"
         "\u00C9 (1)\n"
         "  \u00C9tude         Instrument \u00B7 Acme Audio  CLAP               400 KB  10-Mar-24\n"},
        {{QStringLiteral("--group-by"), QStringLiteral("format")},
         "Zuzuze Vizozod 4 plugins\n"
         "\n"
         "AU (1)\n"
         "  808 Drums     Effect \u00B7 Beat Co         AU                 700 KB  10-Mar-24\n"
         "\n"
         "AU \u00B7 VST3 (1)\n"
         "  Pro-Q 3       Equalizer \u00B7 FabFilter    AU, VST3             5 MB  10-Mar-24\n"
         "\n"
         "CLAP (1)\n"
         "  \u00C9tude         Instrument \u00B7 Acme Audio  CLAP               400 KB  10-Mar-24\n"
         "\n"
         "VST3 (1)\n"
         "  Vintage Tape  Saturation \u00B7 Acme Audio  VST3      Rosetta  1.5 MB  10-Mar-24\n"},
    };
    for (const Case& c : cases) {
        const CliRun listed = run(QStringList{QStringLiteral("list")} + c.options);
        EXPECT_EQ(listed.exitCode, 0);
        EXPECT_EQ(listed.out, QString::fromUtf8(c.expected)) << c.options.join(u' ').toStdString();
        EXPECT_EQ(listed.err, QString());
    }
}

TEST_F(ListCommandTest, TitleCountsWhatAFilterLeaves) {
    struct Case {
        QStringList options;
        const char* title;
    };
    const QList<Case> cases{
        {{QStringLiteral("--group-by"), QStringLiteral("publisher")}, "Zuzuze Vizozod 4 plugins\n"},
        {{QStringLiteral("--search"), QStringLiteral("acme")}, "Zuzuze Vizozod 2 of 4 plugins\n"},
        {{"--format", "VST3", "--format", "clap"}, "Zuzuze Vizozod 3 of 4 plugins\n"},
        {{"--arch", "Intel 64", "--arch", "universal"}, "Zuzuze Vizozod 2 of 4 plugins\n"},
        // Every install is dated 2024-03-10 12:00 UTC; a day alone takes in the whole day.
        {{"--installed-from", "2024-03-10T12:00"}, "Zuzuze Vizozod 4 of 4 plugins\n"},
        {{"--installed-from", "2024-03-10T12:00:01"}, "Zuzuze Vizozod 0 of 4 plugins\n"},
        {{"--installed-to", "2024-03-10"}, "Zuzuze Vizozod 4 of 4 plugins\n"},
        {{"--installed-to", "2024-03-09", "--installed-from", "2024-01-01"}, "Zuzuze Vizozod 0 of 4 plugins\n"},
    };
    for (const Case& c : cases) {
        const CliRun listed = run(QStringList{QStringLiteral("list")} + c.options);
        EXPECT_EQ(listed.exitCode, 0) << listed.err.toStdString();
        EXPECT_TRUE(listed.out.startsWith(QString::fromUtf8(c.title))) << c.options.join(u' ').toStdString() << "\n"
                                                                       << listed.out.toStdString();
    }
    EXPECT_EQ(run({QStringLiteral("list"), QStringLiteral("--favorites")}).out,
              QStringLiteral("Zuzuze Vizozod 0 of 4 plugins\n\nNo Matching Plugins\n"
                             "Try clearing the current search or filters.\n"));
}

TEST_F(ListCommandTest, AnEmptyCatalogueSaysHowToFillIt) {
    for (PluginRecord* record : m_store->records())
        m_store->remove(record);
    const CliRun listed = run({QStringLiteral("list")});
    EXPECT_EQ(listed.exitCode, 0);
    EXPECT_EQ(listed.out,
              QStringLiteral("Zuzuze Vizozod 0 plugins\n\nNo Plugins Found\nGrant access to your plugin "
                             "folders with \"zuzuze-vizozod grant FOLDER...\", then run "
                             "\"zuzuze-vizozod refresh\".\n"));
}

TEST_F(ListCommandTest, JsonHoldsTheCountAndEveryGroupField) {
    const CliRun listed = run({QStringLiteral("list"), QStringLiteral("--json"), QStringLiteral("--search"),
                               QStringLiteral("pro")});
    EXPECT_EQ(listed.exitCode, 0);
    const QJsonObject object = jsonObject(listed.out);
    EXPECT_EQ(object.keys(), (QStringList{"sections", "totalGroupCount"}));
    EXPECT_EQ(object.value(QStringLiteral("totalGroupCount")).toInt(), 4);
    const QJsonArray sections = object.value(QStringLiteral("sections")).toArray();
    ASSERT_EQ(sections.size(), 1);
    const QJsonObject section = sections.first().toObject();
    EXPECT_EQ(section.keys(), (QStringList{"groups", "header"}));
    EXPECT_EQ(section.value(QStringLiteral("header")).toString(), QStringLiteral("P"));
    const QJsonObject group = section.value(QStringLiteral("groups")).toArray().first().toObject();
    EXPECT_EQ(group.keys(),
              (QStringList{"architectures", "dated", "formats", "id", "installed", "isFavorite", "name",
                           "paths", "platforms", "pluginIDs", "publisher", "totalSize", "totalSizeBytes",
                           "version"}));
    EXPECT_EQ(group.value(QStringLiteral("platforms")).toArray(), QJsonArray{"macOS"});
    EXPECT_EQ(group.value(QStringLiteral("name")).toString(), QStringLiteral("Pro-Q 3"));
    EXPECT_EQ(group.value(QStringLiteral("formats")).toArray(), (QJsonArray{"AU", "VST3"}));
    EXPECT_EQ(group.value(QStringLiteral("totalSizeBytes")).toInteger(), 5'000'000);
}

} // namespace
