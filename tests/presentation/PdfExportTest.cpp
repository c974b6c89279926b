#include "CatalogFixture.h"

#include "presentation/LibraryExporter.h"
#include "presentation/LibraryViewModel.h"

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

    QString plainText() const
    {
        return LibraryExporter::plainListText(m_model.sections(), m_model.recordLookup(), at(2025, 2, 3, 14, 5));
    }

    LibraryViewModel m_model;
};

TEST_F(PdfExportTest, LibraryIsOnePage720PointsWideAsTallAsItsText)
{
    addCatalogue(24);
    const QString path = exportPdf(QStringLiteral("ZuzuzeVizozod.pdf"));
    const PdfInfo info = pdfInfo(path);
    EXPECT_EQ(info.pages, 1);
    EXPECT_EQ(info.width, 720);
    const QString text = plainText();
    EXPECT_EQ(info.height, LibraryExporter::pdfPageSize(text).height());
    // 36 pt of padding above and below, and a 12 pt line with its leading for every line.
    const qsizetype lines = text.count(u'\n') + 1;
    EXPECT_GE(info.height, 72 + lines * 12.0);
    EXPECT_LE(info.height, 72 + lines * 16.0);

    const QString shown = runTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    EXPECT_TRUE(shown.startsWith(QStringLiteral("Zuzuze Vizozod\n24 plugins\n"))) << shown.left(200).toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("Plugin 0024 \u2014 Arturia")));
    EXPECT_TRUE(shown.contains(QStringLiteral("  Formats: AU, VST3, CLAP")) ||
                shown.contains(QStringLiteral("Formats: AU, VST3, CLAP")));

    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    EXPECT_TRUE(QFontInfo(font).fixedPitch());
    const QString fonts = runTool(QStringLiteral("pdffonts"), {path});
    EXPECT_TRUE(fonts.contains(QFontInfo(font).family().remove(u' '))) << fonts.toStdString();
}

TEST_F(PdfExportTest, LongLibraryIsOneTallPage)
{
    addCatalogue(600);
    const PdfInfo info = pdfInfo(exportPdf(QStringLiteral("long.pdf")));
    EXPECT_EQ(info.pages, 1);
    EXPECT_EQ(info.width, 720);
    EXPECT_EQ(info.height, LibraryExporter::pdfPageSize(plainText()).height());
    EXPECT_GT(info.height, 600 * 7 * 12.0);
}

TEST_F(PdfExportTest, EmptyListStillGivesAPage)
{
    m_model.update({});
    const PdfInfo info = pdfInfo(exportPdf(QStringLiteral("empty.pdf")));
    EXPECT_EQ(info.pages, 1);
    EXPECT_EQ(info.width, 720);
    EXPECT_GE(info.height, 72 + 3 * 12.0);
    EXPECT_LE(info.height, 72 + 3 * 16.0);
}

} // namespace
