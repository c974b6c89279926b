#include "CatalogFixture.h"

#include "model/Diagnostics.h"
#include "presentation/LibraryExporter.h"
#include "presentation/LibraryViewModel.h"

#include <QDir>
#include <QFile>

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// What Diagnostics prints while it lives.
class DiagnosticsCapture {
public:
    DiagnosticsCapture() : m_file(std::tmpfile()) { Diagnostics::setStream(m_file); }
    ~DiagnosticsCapture()
    {
        Diagnostics::setStream(nullptr);
        std::fclose(m_file);
    }
    QString text() const
    {
        std::fflush(m_file);
        std::rewind(m_file);
        QByteArray bytes;
        char buffer[512];
        while (const size_t read = std::fread(buffer, 1, sizeof buffer, m_file))
            bytes.append(buffer, qsizetype(read));
        return QString::fromUtf8(bytes);
    }

private:
    FILE* m_file;
};

QString readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

class LibraryExporterTest : public CatalogFixture {
protected:
    const QDateTime exportDate = at(2025, 2, 3, 14, 5);

    // Two plug-ins: one in three formats (one missing on disk), one with quotes and commas in its texts.
    void addCatalogue()
    {
        PluginRecord* proQ = addRecord(QStringLiteral("Pro-Q 3"), QStringLiteral("FabFilter"), QStringLiteral("EQ"),
                                       QStringLiteral("3.21"));
        InstallSpec bundleSpec;
        bundleSpec.format = PluginFormat::clap;
        bundleSpec.architecture = PluginArchitecture::universal;
        bundleSpec.fileSize = 2'000'000;
        bundleSpec.dateModified = at(2024, 5, 2);
        bundleSpec.installDate = at(2024, 5, 1);
        bundleSpec.version = QStringLiteral("3.21");
        bundleSpec.bundleID = QStringLiteral("com.fabfilter.Pro-Q.3.clap");
        bundleSpec.filePath = QStringLiteral("/Library/Audio/Plug-Ins/CLAP/FabFilter Pro-Q 3.clap");
        addInstall(proQ, bundleSpec);
        bundleSpec.format = PluginFormat::vst3;
        bundleSpec.architecture = PluginArchitecture::x86_64;
        bundleSpec.fileSize = 3'000'000;
        bundleSpec.dateModified = at(2025, 1, 1);
        bundleSpec.installDate = at(2025, 1, 1);
        bundleSpec.status = InstallStatus::notFound;
        bundleSpec.version = QStringLiteral("3.0");
        bundleSpec.bundleID = QStringLiteral("com.fabfilter.Pro-Q.3.vst3");
        bundleSpec.filePath = QStringLiteral("/Library/Audio/Plug-Ins/VST3/FabFilter Pro-Q 3.vst3");
        addInstall(proQ, bundleSpec);
        bundleSpec.format = PluginFormat::au;
        bundleSpec.architecture = PluginArchitecture::arm64;
        bundleSpec.fileSize = 1'500'000;
        bundleSpec.dateModified = at(2024, 3, 10);
        bundleSpec.installDate = at(2024, 3, 9);
        bundleSpec.status = InstallStatus::found;
        bundleSpec.version = QStringLiteral("3.21");
        bundleSpec.bundleID = QStringLiteral("com.fabfilter.Pro-Q.AU.3");
        bundleSpec.filePath = QStringLiteral("/Library/Audio/Plug-Ins/Components/FabFilter Pro-Q 3.component");
        addInstall(proQ, bundleSpec);

        PluginRecord* quoted = addRecord(QStringLiteral("Say \"Hi\", Now"), QStringLiteral("Quote, Inc \"Q\""));
        bundleSpec.format = PluginFormat::aax;
        bundleSpec.architecture = PluginArchitecture::unknown;
        bundleSpec.fileSize = 750'000;
        bundleSpec.dateModified = at(2023, 6, 30);
        bundleSpec.installDate = at(2023, 6, 29);
        bundleSpec.version = QString();
        bundleSpec.bundleID = QStringLiteral("com.quote.say,hi");
        bundleSpec.filePath = QStringLiteral("/Library/Application Support/Avid/Audio/Plug-Ins/Say \"Hi\", Now.aaxplugin");
        addInstall(quoted, bundleSpec);
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
    EXPECT_EQ(LibraryExporter::csvText({bare}).section(u'\n', 1),
              QStringLiteral("\"Bare\",\"Nobody\",\"1.0\",AU,Apple Silicon,3/10/24,3/10/24,1000000,\"com.example.bare\","
                             "\"/Library/Audio/Plug-Ins/AU/Bare.au\""));
}

// The suffixes the command line names are read back by its export test.
TEST(LibraryExporterNamesTest, FormatsComeFromTheLastSuffixOnly)
{
    EXPECT_EQ(LibraryExporter::formatForPath(QStringLiteral("a.b/list.pdf")), ExportFormat::pdf);
    EXPECT_FALSE(LibraryExporter::formatForPath(QStringLiteral("list.md/list")).has_value());
    EXPECT_FALSE(LibraryExporter::formatForPath(QStringLiteral("list.docx")).has_value());
}

TEST_F(LibraryExporterTest, WritingReplacesTheFileWholeInUtf8)
{
    addCatalogue();
    update();
    const QString path = m_dir.filePath(QStringLiteral("ZuzuzeVizozod.txt"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100'000, 'x'));
    }
    DiagnosticsCapture output;
    QString error;
    ASSERT_TRUE(LibraryExporter::exportLibrary(path, ExportFormat::text, m_model.sections(), m_model.recordLookup(),
                                               exportDate, &error));
    EXPECT_EQ(readFile(path), plainText());
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_TRUE(bytes.contains("\xE2\x80\x94"));
    EXPECT_FALSE(bytes.endsWith('\n'));
    EXPECT_TRUE(output.text().isEmpty());
    const QStringList left = QDir(m_dir.path()).entryList(QDir::Files).filter(QStringLiteral("Zuzuze"));
    EXPECT_EQ(left, QStringList{QStringLiteral("ZuzuzeVizozod.txt")});
}

TEST_F(LibraryExporterTest, FailedWritesAreReportedForEveryForm)
{
    addCatalogue();
    update();
    const QString folder = m_dir.filePath(QStringLiteral("missing/folder"));
    for (const ExportFormat format : allCases<ExportFormat>()) {
        DiagnosticsCapture output;
        QString error;
        const QString path = folder + u'/' + LibraryExporter::suggestedFileName(format);
        EXPECT_FALSE(LibraryExporter::exportLibrary(path, format, m_model.sections(), m_model.recordLookup(),
                                                    exportDate, &error))
            << rawValue(format).toStdString();
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(output.text(), QStringLiteral("Export failed: ") + error + u'\n') << rawValue(format).toStdString();
        EXPECT_FALSE(QFile::exists(path));
    }
}

} // namespace
