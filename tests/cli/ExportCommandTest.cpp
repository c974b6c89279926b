#include "LibraryCatalog.h"
#include "support/QtPrinters.h"

#include "presentation/LibraryExporter.h"
#include "presentation/LibraryJsonExporter.h"
#include "presentation/LibraryRecordOrder.h"
#include "presentation/LibraryViewModel.h"

#include <QFile>

namespace {

class ExportCommandTest : public LibraryCatalog {
protected:
    static QString read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    // The export's own text for the catalogue searched for searchText; the export date line,
    // which names the minute of writing, is left out of both.
    QString expected(ExportFormat format, const QString& searchText) {
        LibraryViewModel model;
        model.filterState()->setSearchText(searchText);
        reopen();
        model.update(LibraryRecordOrder::sortedByName(store().records()));
        const QDateTime now = QDateTime::currentDateTime();
        switch (format) {
        case ExportFormat::csv:
            return LibraryExporter::csvText(
                LibraryExporter::exportedRecords(model.sections(), model.recordLookup()));
        case ExportFormat::text:
            return withoutDate(LibraryExporter::plainListText(model.sections(), model.recordLookup(), now));
        case ExportFormat::markdown:
            return withoutDate(LibraryExporter::markdownText(model.sections(), model.recordLookup(), now));
        case ExportFormat::json:
            return LibraryJsonExporter::jsonText(
                LibraryExporter::exportedRecords(model.sections(), model.recordLookup()));
        case ExportFormat::pdf:
            break;
        }
        return {};
    }

    static QString withoutDate(const QString& text) {
        QStringList lines = text.split(u'\n');
        lines.removeIf([](const QString& line) { return line.contains(QStringLiteral("Exported: ")); });
        return lines.join(u'\n');
    }
};

TEST_F(ExportCommandTest, WritesTheFilteredListInTheFormNamedByExtensionOrOption) {
    struct Case {
        QString file;
        QStringList options;
        ExportFormat format;
    };
    const QList<Case> cases{
        {QStringLiteral("out.csv"), {}, ExportFormat::csv},
        {QStringLiteral("out.TXT"), {}, ExportFormat::text},
        {QStringLiteral("out.md"), {}, ExportFormat::markdown},
        {QStringLiteral("out.Json"), {}, ExportFormat::json},
        {QStringLiteral("list.data"), {QStringLiteral("--as"), QStringLiteral("JSON")}, ExportFormat::json},
        {QStringLiteral("list.data"), {QStringLiteral("--as"), QStringLiteral("csv")}, ExportFormat::csv},
        {QStringLiteral("out.csv"),
         {QStringLiteral("--as"), QStringLiteral("markdown")},
         ExportFormat::markdown},
    };
    for (const Case& c : cases) {
        const QString path = m_dir.filePath(c.file);
        const CliRun exported = run(
            QStringList{QStringLiteral("export"), path, QStringLiteral("--search"), QStringLiteral("acme")} +
            c.options);
        EXPECT_EQ(exported.exitCode, 0) << exported.err.toStdString();
        EXPECT_EQ(exported.out, QStringLiteral("Exported 2 plugins to %1\n").arg(path));
        const QString written = read(path);
        const bool dated = c.format == ExportFormat::text || c.format == ExportFormat::markdown;
        EXPECT_EQ(dated ? withoutDate(written) : written,
                  expected(c.format, QStringLiteral("acme")))
            << c.file.toStdString();
        QFile::remove(path);
    }
}

} // namespace
