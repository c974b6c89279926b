#include "CatalogTest.h"
#include "UiCatalog.h"

#include "presentation/LibraryExporter.h"
#include "presentation/LibraryViewModel.h"
#include "ui/ExportFlow.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>

namespace {

// Standard output of the process while it lives, read back as text.
class StandardOutputCapture {
public:
    StandardOutputCapture()
    {
        std::fflush(stdout);
        m_saved = dup(fileno(stdout));
        m_file = std::tmpfile();
        dup2(fileno(m_file), fileno(stdout));
    }
    ~StandardOutputCapture()
    {
        finish();
        std::fclose(m_file);
    }
    QString finish()
    {
        if (m_saved >= 0) {
            std::fflush(stdout);
            dup2(m_saved, fileno(stdout));
            close(m_saved);
            m_saved = -1;
        }
        std::rewind(m_file);
        QByteArray bytes;
        char buffer[4096];
        while (const size_t read = std::fread(buffer, 1, sizeof buffer, m_file))
            bytes.append(buffer, qsizetype(read));
        return QString::fromUtf8(bytes);
    }

private:
    int m_saved = -1;
    std::FILE* m_file = nullptr;
};

class ExportFlowTest : public CatalogTest {
protected:
    void SetUp() override
    {
        CatalogTest::SetUp();
        if (HasFatalFailure())
            return;
        UiCatalog::addRecord(*m_store, QStringLiteral("Diva"), QStringLiteral("u-he"), {QStringLiteral("AU")});
        UiCatalog::addRecord(*m_store, QStringLiteral("Pro-Q 3"), QStringLiteral("FabFilter"), {QStringLiteral("VST3")});
        m_viewModel.update(m_store->records());
    }

    LibraryViewModel m_viewModel;
    ExportFlow m_flow{m_viewModel};
};

TEST_F(ExportFlowTest, SuggestsTheNamesOfEachFormat)
{
    EXPECT_EQ(m_flow.begin(QStringLiteral("csv")), QStringLiteral("ZuzuzeVizozod.csv"));
    EXPECT_EQ(m_flow.begin(QStringLiteral("text")), QStringLiteral("ZuzuzeVizozod.txt"));
    EXPECT_EQ(m_flow.begin(QStringLiteral("markdown")), QStringLiteral("ZuzuzeVizozod.md"));
    EXPECT_EQ(m_flow.begin(QStringLiteral("pdf")), QStringLiteral("ZuzuzeVizozod.pdf"));
    EXPECT_EQ(m_flow.begin(QStringLiteral("json")), QStringLiteral("ZuzuzeVizozod.json"));
    EXPECT_EQ(m_flow.begin(QStringLiteral("rtf")), QString());
    EXPECT_TRUE(ExportFlow::suggestedFileUrl(QStringLiteral("ZuzuzeVizozod.csv")).toLocalFile().endsWith(
        QStringLiteral("/ZuzuzeVizozod.csv")));
}

TEST_F(ExportFlowTest, WritesTheTextBuiltBeforeTheDialogOpened)
{
    m_flow.begin(QStringLiteral("csv"));
    const QString expected = LibraryExporter::csvText(
        LibraryExporter::exportedRecords(m_viewModel.sections(), m_viewModel.recordLookup()));
    // A record arriving while the dialog is open is not in this export.
    UiCatalog::addRecord(*m_store, QStringLiteral("Serum"), QStringLiteral("Xfer"), {QStringLiteral("VST")});
    m_viewModel.update(m_store->records());
    const QString path = m_folder.filePath(QStringLiteral("out.csv"));
    ASSERT_TRUE(m_flow.finish(QUrl::fromLocalFile(path)));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()), expected);
}

TEST_F(ExportFlowTest, ACancelledDialogWritesAndPrintsNothing)
{
    QSignalSpy failures(&m_flow, &ExportFlow::failed);
    StandardOutputCapture output;
    m_flow.begin(QStringLiteral("text"));
    EXPECT_FALSE(m_flow.finish(QUrl()));
    m_flow.begin(QStringLiteral("text"));
    m_flow.cancel();
    EXPECT_FALSE(m_flow.finish(QUrl::fromLocalFile(m_folder.filePath(QStringLiteral("late.txt")))));
    EXPECT_EQ(output.finish(), QString());
    EXPECT_EQ(failures.count(), 0);
    EXPECT_FALSE(QFile::exists(m_folder.filePath(QStringLiteral("late.txt"))));
}

TEST_F(ExportFlowTest, AFailedWritePrintsItsLineAndTellsTheWindow)
{
    QSignalSpy failures(&m_flow, &ExportFlow::failed);
    StandardOutputCapture output;
    m_flow.begin(QStringLiteral("markdown"));
    const QString path = m_folder.filePath(QStringLiteral("missing/folder/out.md"));
    EXPECT_FALSE(m_flow.finish(QUrl::fromLocalFile(path)));
    const QString printed = output.finish();
    ASSERT_EQ(failures.count(), 1);
    const QString message = failures.first().first().toString();
    EXPECT_TRUE(message.startsWith(QStringLiteral("Export failed: "))) << message.toStdString();
    EXPECT_EQ(printed, message + u'\n');
}

TEST_F(ExportFlowTest, PdfIsWrittenWhenConfirmed)
{
    m_flow.begin(QStringLiteral("pdf"));
    const QString path = m_folder.filePath(QStringLiteral("out.pdf"));
    ASSERT_TRUE(m_flow.finish(QUrl::fromLocalFile(path)));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
}

} // namespace
