#include "ui/ExportFlow.h"

#include "presentation/LibraryExporter.h"
#include "presentation/LibraryJsonExporter.h"
#include "presentation/LibraryViewModel.h"
#include "ui/AlertSound.h"

#include <QDateTime>
#include <QDir>
#include <QStandardPaths>

ExportFlow::ExportFlow(const LibraryViewModel& viewModel, QObject* parent)
    : QObject(parent)
    , m_viewModel(viewModel)
{
}

QString ExportFlow::begin(const QString& format)
{
    m_format = fromRawValue<ExportFormat>(format);
    m_text.clear();
    if (!m_format)
        return {};
    const QList<LibrarySection>& sections = m_viewModel.sections();
    const QHash<QString, PluginRecord*>& lookup = m_viewModel.recordLookup();
    const QDateTime now = QDateTime::currentDateTime();
    switch (*m_format) {
    case ExportFormat::csv:
        m_text = LibraryExporter::csvText(LibraryExporter::exportedRecords(sections, lookup));
        break;
    case ExportFormat::text:
        m_text = LibraryExporter::plainListText(sections, lookup, now);
        break;
    case ExportFormat::markdown:
        m_text = LibraryExporter::markdownText(sections, lookup, now);
        break;
    case ExportFormat::json:
        m_text = LibraryJsonExporter::jsonText(LibraryExporter::exportedRecords(sections, lookup));
        break;
    case ExportFormat::pdf:
        break;
    }
    return LibraryExporter::suggestedFileName(*m_format);
}

QUrl ExportFlow::suggestedFileUrl(const QString& fileName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return QUrl::fromLocalFile(QDir(folder).filePath(fileName));
}

QStringList ExportFlow::nameFilters(const QString& format)
{
    switch (fromRawValue<ExportFormat>(format).value_or(ExportFormat::text)) {
    case ExportFormat::csv:
        return {QStringLiteral("Comma-separated text (*.csv)")};
    case ExportFormat::text:
        return {QStringLiteral("Plain text (*.txt)")};
    case ExportFormat::markdown:
        return {QStringLiteral("Markdown (*.md)")};
    case ExportFormat::pdf:
        return {QStringLiteral("PDF (*.pdf)")};
    case ExportFormat::json:
        return {QStringLiteral("JSON (*.json)")};
    }
    return {};
}

bool ExportFlow::finish(const QUrl& url)
{
    const std::optional<ExportFormat> format = std::exchange(m_format, std::nullopt);
    const QString text = std::exchange(m_text, QString());
    const QString path = url.isLocalFile() ? url.toLocalFile() : QString();
    if (!format || path.isEmpty())
        return false;

    QString error;
    bool ok = false;
    if (*format == ExportFormat::pdf) {
        const QString report = LibraryExporter::plainListText(m_viewModel.sections(), m_viewModel.recordLookup(),
                                                              QDateTime::currentDateTime());
        ok = LibraryExporter::writePdf(path, report, &error);
    } else {
        ok = LibraryExporter::writeText(path, text, &error);
    }
    if (!ok) {
        // The exporter has printed the line already; a desktop user hears and sees it instead.
        AlertSound::play();
        Q_EMIT failed(QStringLiteral("Export failed: ") + error);
        return false;
    }
    Q_EMIT written(path);
    return true;
}

void ExportFlow::cancel()
{
    m_format.reset();
    m_text.clear();
}
