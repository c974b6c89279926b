#include "CatalogFixture.h"

#include "presentation/LibraryExporter.h"
#include "presentation/LibraryViewModel.h"

#include <QFile>

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

class LibraryExporterTest : public CatalogFixture {
protected:
    const QDateTime exportDate = at(2025, 2, 3, 14, 5);

    // Two plug-ins: one in three formats (one missing on disk), one with quotes and commas in its texts.
    void addCatalogue()
    {
        PluginRecord* proQ = addRecord(QStringLiteral("Pro-Q 3"), QStringLiteral("FabFilter"), QStringLiteral("EQ"),
                                       QStringLiteral("3.21"));
        const QString folder = QStringLiteral("/Library/Audio/Plug-Ins/");
        addInstall(proQ, {PluginFormat::clap, PluginArchitecture::universal, 2'000'000, at(2024, 5, 2), at(2024, 5, 1),
                          InstallStatus::found, QStringLiteral("3.21"), QStringLiteral("com.fabfilter.Pro-Q.3.clap"),
                          folder + QStringLiteral("CLAP/FabFilter Pro-Q 3.clap")});
        addInstall(proQ, {PluginFormat::vst3, PluginArchitecture::x86_64, 3'000'000, at(2025, 1, 1), at(2025, 1, 1),
                          InstallStatus::notFound, QStringLiteral("3.0"), QStringLiteral("com.fabfilter.Pro-Q.3.vst3"),
                          folder + QStringLiteral("VST3/FabFilter Pro-Q 3.vst3")});
        addInstall(proQ, {PluginFormat::au, PluginArchitecture::arm64, 1'500'000, at(2024, 3, 10), at(2024, 3, 9),
                          InstallStatus::found, QStringLiteral("3.21"), QStringLiteral("com.fabfilter.Pro-Q.AU.3"),
                          folder + QStringLiteral("Components/FabFilter Pro-Q 3.component")});
        addInstall(addRecord(QStringLiteral("Say \"Hi\", Now"), QStringLiteral("Quote, Inc \"Q\"")),
                   {PluginFormat::aax, PluginArchitecture::unknown, 750'000, at(2023, 6, 30), at(2023, 6, 29),
                    InstallStatus::found, QString(), QStringLiteral("com.quote.say,hi"),
                    QStringLiteral("/Library/Application Support/Avid/Audio/Plug-Ins/Say \"Hi\", Now.aaxplugin")});
    }

    void update() { m_model.update(records()); }

    QString plainText() const { return LibraryExporter::plainListText(m_model.sections(), m_model.recordLookup(), exportDate); }
    QString markdown() const { return LibraryExporter::markdownText(m_model.sections(), m_model.recordLookup(), exportDate); }
    QString csv() const
    {
        return LibraryExporter::csvText(LibraryExporter::exportedRecords(m_model.sections(), m_model.recordLookup()));
    }

    LibraryViewModel m_model;
};

const QString exportedLine = QStringLiteral("Exported: Feb 3, 2025, 2:05 PM");

TEST_F(LibraryExporterTest, CLocaleUsesNumericIsoForms)
{
    QLocale::setDefault(QLocale::c());
    PluginRecord* record = addRecord(QStringLiteral("Alpha"), QStringLiteral("Example"));
    InstallSpec bundleSpec;
    bundleSpec.dateModified = at(2024, 3, 10);
    bundleSpec.installDate = at(2023, 11, 2);
    addInstall(record, bundleSpec);
    EXPECT_EQ(LibraryExporter::csvText({record}).section(u'\n', 1).section(u',', 5, 6),
              QStringLiteral("2024-03-10,2023-11-02"));
    EXPECT_EQ(LibraryExporter::exportDateText(exportDate), QStringLiteral("3 Feb 2025, 14:05"));
}

TEST_F(LibraryExporterTest, EmptyListGivesTheHeadingsOnly)
{
    update();
    EXPECT_EQ(plainText(), QStringLiteral("Zuzuze Vizozod\n0 plugins\n") + exportedLine);
    EXPECT_EQ(markdown(), QStringLiteral("# Zuzuze Vizozod\n\n- Plugins: 0\n- ") + exportedLine);
    EXPECT_EQ(csv(), QStringLiteral("Name,Publisher,Version,Type,Archs,Dated,Installed,Size,ID,Path"));
}

TEST_F(LibraryExporterTest, CsvListsEveryInstallQuotedAndInLabelOrder)
{
    addCatalogue();
    update();
    EXPECT_EQ(csv(),
              QStringLiteral(
                  "Name,Publisher,Version,Type,Archs,Dated,Installed,Size,ID,Path\n"
                  "\"Pro-Q 3\",\"FabFilter\",\"3.21\",AU,Apple Silicon,3/10/24,3/9/24,1500000,"
                  "\"com.fabfilter.Pro-Q.AU.3\",\"/Library/Audio/Plug-Ins/Components/FabFilter Pro-Q 3.component\"\n"
                  "\"Pro-Q 3\",\"FabFilter\",\"3.21\",CLAP,Universal,5/2/24,5/1/24,2000000,"
                  "\"com.fabfilter.Pro-Q.3.clap\",\"/Library/Audio/Plug-Ins/CLAP/FabFilter Pro-Q 3.clap\"\n"
                  "\"Pro-Q 3\",\"FabFilter\",\"3.0\",VST3,Intel 64,1/1/25,1/1/25,3000000,"
                  "\"com.fabfilter.Pro-Q.3.vst3\",\"/Library/Audio/Plug-Ins/VST3/FabFilter Pro-Q 3.vst3\"\n"
                  "\"Say \"\"Hi\"\", Now\",\"Quote, Inc \"\"Q\"\"\",\"\",AAX,Unknown,6/30/23,6/29/23,750000,"
                  "\"com.quote.say,hi\",\"/Library/Application Support/Avid/Audio/Plug-Ins/Say \"\"Hi\"\", Now.aaxplugin\""));
}

TEST_F(LibraryExporterTest, CsvOrdersRecordsByNameAndInstallsAaxAuClapVstVst3)
{
    PluginRecord* zeta = addRecord(QStringLiteral("zeta"), QStringLiteral("Example"));
    PluginRecord* alpha = addRecord(QStringLiteral("Alpha"), QStringLiteral("Example"));
    for (const PluginFormat format :
         {PluginFormat::vst3, PluginFormat::clap, PluginFormat::vst, PluginFormat::au, PluginFormat::aax, PluginFormat::au})
        addInstall(alpha, format);
    addInstall(zeta, PluginFormat::vst);
    PluginRecord* nothing = addRecord(QStringLiteral("Beta"), QStringLiteral("Example"));

    QStringList lines = LibraryExporter::csvText({zeta, nothing, alpha}).split(u'\n');
    ASSERT_EQ(lines.size(), 8);
    QStringList summary;
    for (const QString& line : lines.mid(1))
        summary.append(line.section(u',', 0, 0) + u' ' + line.section(u',', 3, 3));
    EXPECT_EQ(summary, (QStringList{QStringLiteral("\"Alpha\" AAX"), QStringLiteral("\"Alpha\" AU"),
                                    QStringLiteral("\"Alpha\" AU"), QStringLiteral("\"Alpha\" CLAP"),
                                    QStringLiteral("\"Alpha\" VST"), QStringLiteral("\"Alpha\" VST3"),
                                    QStringLiteral("\"zeta\" VST")}));
}

TEST_F(LibraryExporterTest, PlainTextFollowsTheSections)
{
    addCatalogue();
    update();
    EXPECT_EQ(plainText(), QStringLiteral("Zuzuze Vizozod\n2 plugins\n") + exportedLine +
                               QStringLiteral("\n\n"
                                              "P (1)\n"
                                              "Pro-Q 3 \u2014 FabFilter\n"
                                              "  Category: EQ\n"
                                              "  Formats: AU, CLAP\n"
                                              "  Version: 3.21\n"
                                              "  Size: 3.5 MB\n"
                                              "  Updated: May 2, 2024\n"
                                              "\n"
                                              "S (1)\n"
                                              "Say \"Hi\", Now \u2014 Quote, Inc \"Q\"\n"
                                              "  Category: Other\n"
                                              "  Formats: AAX\n"
                                              "  Version: \u2014\n"
                                              "  Size: 750 KB\n"
                                              "  Updated: Jun 30, 2023"));
}

TEST_F(LibraryExporterTest, MarkdownFollowsTheSections)
{
    addCatalogue();
    m_model.filterState()->setGroupingMode(GroupingMode::byFormat);
    update();
    EXPECT_EQ(markdown(), QStringLiteral("# Zuzuze Vizozod\n\n- Plugins: 2\n- ") + exportedLine +
                              QStringLiteral("\n\n"
                                             "## AAX (1)\n"
                                             "\n"
                                             "### Say \"Hi\", Now\n"
                                             "- Publisher: Quote, Inc \"Q\"\n"
                                             "- Category: Other\n"
                                             "- Formats: AAX\n"
                                             "- Version: \u2014\n"
                                             "- Size: 750 KB\n"
                                             "- Updated: Jun 30, 2023\n"
                                             "\n"
                                             "## AU \u00B7 CLAP (1)\n"
                                             "\n"
                                             "### Pro-Q 3\n"
                                             "- Publisher: FabFilter\n"
                                             "- Category: EQ\n"
                                             "- Formats: AU, CLAP\n"
                                             "- Version: 3.21\n"
                                             "- Size: 3.5 MB\n"
                                             "- Updated: May 2, 2024"));
}

TEST_F(LibraryExporterTest, RecordWithoutDetailsAndGroupWithoutRecord)
{
    PluginRecord* bare = addRecord(QStringLiteral("Bare"), QStringLiteral("Nobody"));
    InstallSpec lost;
    lost.status = InstallStatus::notFound;
    addInstall(bare, lost);
    PluginGroup ghost;
    ghost.id = QStringLiteral("ghost");
    PluginGroup bareGroup;
    bareGroup.id = QStringLiteral("bare");
    const QList<LibrarySection> sections{{QStringLiteral("B"), {ghost, bareGroup}}};
    const QHash<QString, PluginRecord*> lookup{{QStringLiteral("bare"), bare}};

    EXPECT_EQ(LibraryExporter::exportedRecords(sections, lookup), QList<PluginRecord*>{bare});
    EXPECT_EQ(LibraryExporter::plainListText(sections, lookup, exportDate),
              QStringLiteral("Zuzuze Vizozod\n1 plugins\n") + exportedLine +
                  QStringLiteral("\n\nB (2)\nBare \u2014 Nobody\n  Category: Other\n  Formats: Unknown\n"
                                 "  Version: \u2014\n  Size: Zero KB\n  Updated: \u2014"));
}

// The suffixes the command line names are read back by its export test.
TEST(LibraryExporterNamesTest, FormatsComeFromTheLastSuffixOnly)
{
    EXPECT_EQ(LibraryExporter::formatForPath(QStringLiteral("a.b/list.pdf")), ExportFormat::pdf);
    EXPECT_FALSE(LibraryExporter::formatForPath(QStringLiteral("list.md/list")).has_value());
    EXPECT_FALSE(LibraryExporter::formatForPath(QStringLiteral("list.docx")).has_value());
}

// Replacing an older file whole, with nothing left beside it, is the atomic writer's own test.
TEST_F(LibraryExporterTest, WritingGivesTheTextInUtf8WithoutAMark)
{
    addCatalogue();
    update();
    const QString path = m_dir.filePath(QStringLiteral("ZuzuzeVizozod.txt"));
    ::testing::internal::CaptureStdout();
    QString error;
    const bool exported = LibraryExporter::exportLibrary(path, ExportFormat::text, m_model.sections(),
                                                         m_model.recordLookup(), exportDate, &error);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    ASSERT_TRUE(exported) << error.toStdString();
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), plainText().toUtf8()); // no byte-order mark, no closing newline
}

} // namespace
