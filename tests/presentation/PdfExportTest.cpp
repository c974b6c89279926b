#include "CatalogFixture.h"

#include "presentation/LibraryExporter.h"
#include "presentation/LibraryViewModel.h"
#include "presentation/PdfTextPage.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

struct PdfInfo {
    int pages = 0;
    double width = 0;
    double height = 0;
};

QString runTool(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60'000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

PdfInfo pdfInfo(const QString& path)
{
    const QString output = runTool(QStringLiteral("pdfinfo"), {path});
    PdfInfo info;
    const auto pages = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)$"), QRegularExpression::MultilineOption)
                           .match(output);
    if (pages.hasMatch())
        info.pages = pages.captured(1).toInt();
    const auto size =
        QRegularExpression(QStringLiteral("^Page size:\\s+([\\d.]+) x ([\\d.]+) pts"), QRegularExpression::MultilineOption)
            .match(output);
    if (size.hasMatch()) {
        info.width = size.captured(1).toDouble();
        info.height = size.captured(2).toDouble();
    }
    return info;
}

class PdfExportTest : public CatalogFixture {
protected:
    void SetUp() override
    {
        CatalogFixture::SetUp();
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            FAIL() << "pdfinfo (poppler-utils) is needed to read the exported PDF back";
    }

    // A catalogue as a studio might have: well-known makers, several formats, some Intel-only.
    void addCatalogue(int count)
    {
        const QStringList publishers{QStringLiteral("FabFilter"), QStringLiteral("Valhalla DSP"),
                                     QStringLiteral("Native Instruments"), QStringLiteral("u-he"),
                                     QStringLiteral("Soundtoys"), QStringLiteral("Arturia")};
        const QStringList categories{QStringLiteral("EQ"), QStringLiteral("Reverb"), QStringLiteral("Synth"),
                                     QString(), QStringLiteral("Delay"), QStringLiteral("Dynamics")};
        for (int i = 0; i < count; ++i) {
            PluginRecord* record = addRecord(QStringLiteral("Plugin %1").arg(i + 1, 4, 10, QChar(u'0')),
                                             publishers[i % publishers.size()], categories[i % categories.size()],
                                             i % 5 == 0 ? QString() : QStringLiteral("2.%1").arg(i % 9));
            InstallSpec bundleSpec;
            bundleSpec.fileSize = 1'000'000 + i * 12'345;
            bundleSpec.dateModified = at(2024, 1 + i % 12, 1 + i % 28);
            bundleSpec.architecture = i % 7 == 0 ? PluginArchitecture::x86_64 : PluginArchitecture::universal;
            bundleSpec.format = PluginFormat::au;
            addInstall(record, bundleSpec);
            if (i % 2 == 0) {
                bundleSpec.format = PluginFormat::vst3;
                addInstall(record, bundleSpec);
            }
            if (i % 3 == 0) {
                bundleSpec.format = PluginFormat::clap;
                addInstall(record, bundleSpec);
            }
        }
        m_model.update(records());
    }

    QString exportPdf(const QString& name)
    {
        const QString path = m_dir.filePath(name);
        QString error;
        EXPECT_TRUE(LibraryExporter::exportLibrary(path, ExportFormat::pdf, m_model.sections(), m_model.recordLookup(),
                                                   at(2025, 2, 3, 14, 5), &error))
            << error.toStdString();
        return path;
    }

    LibraryViewModel m_model;
};

// The paper follows the user's locale; every page is that paper, headed by the title, the count
// and the date, and no plug-in's entry is split between two pages.
TEST_F(PdfExportTest, LargeLibraryIsPaginatedOnTheLocalesPaperWithTheHeaderOnEveryPage)
{
    addCatalogue(2000);
    const struct {
        const char* locale;
        double width;
        double height;
    } papers[] = {{"en_US", 612, 792}, {"de_DE", 595, 842}};
    const QLocale before;
    for (const auto& paper : papers) {
        SCOPED_TRACE(paper.locale);
        QLocale::setDefault(QLocale(QString::fromLatin1(paper.locale)));
        const QString path = exportPdf(QStringLiteral("large-%1.pdf").arg(QLatin1String(paper.locale)));
        QLocale::setDefault(before);
        const PdfInfo info = pdfInfo(path);
        EXPECT_EQ(info.width, paper.width);
        EXPECT_EQ(info.height, paper.height);
        // 2,000 entries of seven 12-point lines: at least 14 pt a line with its leading, and
        // a page holds what its height less padding and header leaves.
        const double usable = paper.height - 72 - 4 * 12.0;
        EXPECT_GE(info.pages, int(2000 * 8 * 12.0 / usable));
        EXPECT_LE(info.pages, int(2000 * 8 * 17.0 / (paper.height - 72 - 4 * 17.0)) + 1);

        const QStringList pages = runTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")})
                                      .split(u'\f', Qt::SkipEmptyParts);
        ASSERT_EQ(pages.size(), info.pages);
        int entries = 0;
        for (const QString& page : pages) {
            const QStringList lines = page.split(u'\n', Qt::SkipEmptyParts);
            ASSERT_GE(lines.size(), 3);
            EXPECT_EQ(lines[0].trimmed(), QStringLiteral("Zuzuze Vizozod"));
            EXPECT_EQ(lines[1].trimmed(), QStringLiteral("2000 plugins"));
            EXPECT_TRUE(lines[2].trimmed().startsWith(QStringLiteral("Exported: "))) << lines[2].toStdString();
            const qsizetype names = page.count(QStringLiteral(" \u2014 "));
            EXPECT_EQ(names, page.count(QStringLiteral("Updated: "))) << "an entry split across pages";
            entries += int(names);
        }
        EXPECT_EQ(entries, 2000);
    }
}

TEST(PdfPaperTest, LetterInTheUnitedStatesAndCanadaA4Elsewhere)
{
    const struct {
        const char* locale;
        QPageSize::PageSizeId paper;
    } cases[] = {{"en_US", QPageSize::Letter}, {"es_US", QPageSize::Letter}, {"en_CA", QPageSize::Letter},
                 {"fr_CA", QPageSize::Letter}, {"en_GB", QPageSize::A4},     {"de_DE", QPageSize::A4},
                 {"ja_JP", QPageSize::A4},     {"C", QPageSize::A4}};
    for (const auto& each : cases)
        EXPECT_EQ(PdfTextPage::paperFor(QLocale(QString::fromLatin1(each.locale))).id(), each.paper) << each.locale;
}

TEST_F(PdfExportTest, ShortOrEmptyLibraryIsOnePageInTheMonospacedFont)
{
    addCatalogue(3);
    const QLocale before;
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    const QString path = exportPdf(QStringLiteral("ZuzuzeVizozod.pdf"));
    QLocale::setDefault(before);
    const PdfInfo info = pdfInfo(path);
    EXPECT_EQ(info.pages, 1);
    EXPECT_EQ(info.width, 595);
    const QString shown = runTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    EXPECT_TRUE(shown.startsWith(QStringLiteral("Zuzuze Vizozod\n3 plugins\n"))) << shown.left(200).toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("Formats: AU, VST3, CLAP")));

    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    EXPECT_TRUE(QFontInfo(font).fixedPitch());
    const QString fonts = runTool(QStringLiteral("pdffonts"), {path});
    EXPECT_TRUE(fonts.contains(QFontInfo(font).family().remove(u' '))) << fonts.toStdString();

    m_model.update({}); // an empty list still gives a page
    EXPECT_EQ(pdfInfo(exportPdf(QStringLiteral("empty.pdf"))).pages, 1);
}

} // namespace
