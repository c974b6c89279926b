#include "UiCatalog.h"

#include "presentation/LibraryExporter.h"
#include "presentation/LibraryViewModel.h"
#include "ui/ExportFlow.h"

#include <QFile>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

class ExportFlowTest : public TemporaryCatalogue {
protected:
    void SetUp() override
    {
        TemporaryCatalogue::SetUp();
        if (HasFatalFailure())
            return;
        UiCatalog::addRecord(*m_store, QStringLiteral("Diva"), QStringLiteral("u-he"), {QStringLiteral("AU")});
        UiCatalog::addRecord(*m_store, QStringLiteral("Pro-Q 3"), QStringLiteral("FabFilter"), {QStringLiteral("VST3")});
        m_viewModel.update(m_store->records());
    }

    QByteArray read(const QString& path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    LibraryViewModel m_viewModel;
    ExportFlow m_flow{m_viewModel};
};

TEST_F(ExportFlowTest, EachFormatSuggestsItsNameAndIsWritten)
{
    const std::pair<const char*, const char*> formats[] = {
        {"csv", "ZuzuzeVizozod.csv"}, {"text", "ZuzuzeVizozod.txt"}, {"markdown", "ZuzuzeVizozod.md"},
        {"pdf", "ZuzuzeVizozod.pdf"}, {"json", "ZuzuzeVizozod.json"}};
    for (const auto& [format, name] : formats) {
        EXPECT_EQ(m_flow.begin(QString::fromLatin1(format)), QString::fromLatin1(name));
        const QString path = m_dir.filePath(QString::fromLatin1(name));
        ASSERT_TRUE(m_flow.finish(QUrl::fromLocalFile(path))) << format;
        EXPECT_TRUE(read(path).contains(format == std::string_view("pdf") ? "%PDF-" : "Pro-Q 3")) << format;
    }
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
    const QString path = m_dir.filePath(QStringLiteral("out.csv"));
    ASSERT_TRUE(m_flow.finish(QUrl::fromLocalFile(path)));
    EXPECT_EQ(QString::fromUtf8(read(path)), expected);
}

// A cancelled dialog writes and prints nothing; a failed write prints its one line and tells the window.
TEST_F(ExportFlowTest, CancelledAndFailedWrites)
{
    QSignalSpy failures(&m_flow, &ExportFlow::failed);
    CaptureStdout();
    m_flow.begin(QStringLiteral("text"));
    EXPECT_FALSE(m_flow.finish(QUrl()));
    m_flow.begin(QStringLiteral("text"));
    m_flow.cancel();
    EXPECT_FALSE(m_flow.finish(QUrl::fromLocalFile(m_dir.filePath(QStringLiteral("late.txt")))));
    EXPECT_EQ(GetCapturedStdout(), "");
    EXPECT_EQ(failures.count(), 0);
    EXPECT_FALSE(QFile::exists(m_dir.filePath(QStringLiteral("late.txt"))));

    CaptureStdout();
    m_flow.begin(QStringLiteral("markdown"));
    EXPECT_FALSE(m_flow.finish(QUrl::fromLocalFile(m_dir.filePath(QStringLiteral("missing/folder/out.md")))));
    const std::string printed = GetCapturedStdout();
    ASSERT_EQ(failures.count(), 1);
    const QString message = failures.first().first().toString();
    EXPECT_TRUE(message.startsWith(QStringLiteral("Export failed: "))) << message.toStdString();
    EXPECT_EQ(printed, (message + u'\n').toStdString());
}

} // namespace
