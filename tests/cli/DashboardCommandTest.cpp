#include "LibraryCatalog.h"
#include "support/QtPrinters.h"

#include "model/ContentLibraryItem.h"

#include <QJsonArray>

namespace {

class DashboardCommandTest : public LibraryCatalog {
protected:
    void addLibrary(const QString& name, const QString& publisher, qint64 bytes) {
        auto* item = m_store->insert(new ContentLibraryItem);
        item->setRootPath(QStringLiteral("/Samples"));
        item->setPath(QStringLiteral("/Samples/") + name);
        item->setName(name);
        item->setPublisher(publisher);
        item->setTotalBytes(bytes);
    }
};

TEST_F(DashboardCommandTest, PrintsTheCardsTheNoteAndTheChartsThatHaveEntries) {
    addLibrary(QStringLiteral("Acme Strings"), QStringLiteral("acme"), 3'000'000'000);
    addLibrary(QStringLiteral("Grand Piano"), QStringLiteral("Keys Ltd"), 2'000'000'000);
    const CliRun shown = run({QStringLiteral("dashboard")});
    EXPECT_EQ(shown.exitCode, 0);
    EXPECT_EQ(shown.err, QString());
    EXPECT_EQ(shown.out,
              QString::fromUtf8("Dashboard 4 plugins\n"
                                "\n"
                                "Unique Plugins             4\n"
                                "Total Installs             5\n"
                                "Plugin Bundle Size    7.6 MB\n"
                                "Content Library Size    5 GB\n"
                                "Rosetta Only               1\n"
                                "Possibly Outdated          0\n"
                                "\n"
                                "Plugin bundle size and content library size are tracked separately so "
                                "plugin installs and sample/content folders do not get double-counted.\n"
                                "\n"
                                "Plugin Bundle Size by Publisher\n"
                                "  FabFilter     5 MB\n"
                                "  Acme Audio  1.9 MB\n"
                                "  Beat Co     700 KB\n"
                                "\n"
                                "Plugin Bundle Size by Format\n"
                                "  VST3  4.5 MB\n"
                                "  AU    2.7 MB\n"
                                "  CLAP  400 KB\n"
                                "\n"
                                "Content Library Size by Publisher\n"
                                "  acme      3 GB\n"
                                "  Keys Ltd  2 GB\n"
                                "\n"
                                "Largest Content Libraries\n"
                                "  Acme Strings            3 GB\n"
                                "  Keys Ltd \u2014 Grand Piano  2 GB\n"));
}

TEST_F(DashboardCommandTest, JsonHoldsEveryFigure) {
    const CliRun shown = run({QStringLiteral("dashboard"), QStringLiteral("--json")});
    EXPECT_EQ(shown.exitCode, 0);
    const QJsonObject object = jsonObject(shown.out);
    EXPECT_EQ(object.keys(), (QStringList{"byFormat", "byPublisher", "contentByLibrary", "contentByPublisher",
                                          "contentBytes", "possiblyOutdatedCount", "rosettaOnlyCount", "totalBytes",
                                          "totalGroups", "totalInstalls"}));
    EXPECT_EQ(object.value(QStringLiteral("totalBytes")).toInteger(), 7'600'000);
    EXPECT_EQ(object.value(QStringLiteral("byFormat")).toArray().first().toObject(),
              (QJsonObject{{"format", "VST3"}, {"totalBytes", 4'500'000}}));
    EXPECT_EQ(object.value(QStringLiteral("contentByLibrary")).toArray(), QJsonArray());
}

} // namespace
