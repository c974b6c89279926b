#include "presentation/LibraryExporter.h"

#include "model/AbbreviatedDate.h"
#include "model/Diagnostics.h"
#include "model/PluginInstall.h"
#include "model/PluginRecord.h"
#include "model/VisibleText.h"
#include "presentation/AtomicFileWriter.h"
#include "presentation/ExportInstallRows.h"
#include "presentation/LibraryJsonExporter.h"
#include "presentation/PdfTextPage.h"
#include "presentation/RowLabels.h"

#include <QFileInfo>
#include <QLocale>
#include <QBuffer>
#include <QSet>

namespace LibraryExporter {

namespace {

const QString emDash = QStringLiteral("\u2014");

void appendQuoted(QString& out, const QString& value)
{
    out += u'"';
    if (value.contains(u'"')) {
        QString doubled = value;
        out += doubled.replace(u'"', QStringLiteral("\"\""));
    } else {
        out += value;
    }
    out += u'"';
}

// The C locale's short forms are "d MMM yyyy" and a time with seconds: numeric ISO forms serve
// better there.
bool isCLocale(const QLocale& locale)
{
    return locale.language() == QLocale::C;
}

// Numeric local dates, each distinct day formatted once: a catalogue repeats few days many times.
class CsvDates {
public:
    QString text(const QDateTime& date)
    {
        if (!date.isValid())
            return {};
        const QDate day = date.toLocalTime().date();
        auto found = m_cache.constFind(day.toJulianDay());
        if (found == m_cache.cend())
            found = m_cache.insert(day.toJulianDay(), m_locale.toString(day, m_pattern));
        return found.value();
    }

private:
    QLocale m_locale;
    QString m_pattern = isCLocale(m_locale) ? QStringLiteral("yyyy-MM-dd") : m_locale.dateFormat(QLocale::ShortFormat);
    QHash<qint64, QString> m_cache;
};

struct RecordTexts {
    QString category;
    QString formats;
    QString version;
    QString size;
    QString updated;
};

RecordTexts recordTexts(const PluginRecord& record)
{
    const QStringList formats = record.formatList();
    return {record.category().isEmpty() ? QStringLiteral("Other") : record.category(),
            formats.isEmpty() ? QStringLiteral("Unknown") : formats.join(QStringLiteral(", ")),
            record.displayVersion().isEmpty() ? emDash : record.displayVersion(),
            record.totalSizeText(),
            record.lastModifiedText()};
}

QString sectionTitle(const LibrarySection& section)
{
    return section.header + QStringLiteral(" (") + QString::number(section.groups.size()) + u')';
}

template <typename PerRecord>
QStringList sectionLines(const QList<LibrarySection>& sections, const QHash<QString, PluginRecord*>& recordLookup,
                         QStringList lines, const QString& headingPrefix, bool blankAfterHeading, PerRecord perRecord)
{
    for (const LibrarySection& section : sections) {
        lines.append(headingPrefix + sectionTitle(section));
        if (blankAfterHeading)
            lines.append(QString());
        for (const PluginGroup& group : section.groups)
            if (const PluginRecord* record = recordLookup.value(group.id))
                perRecord(lines, *record, recordTexts(*record));
    }
    return lines;
}

bool fail(const QString& reason, QString* errorDescription)
{
    Diagnostics::print(QStringLiteral("Export failed: ") + reason);
    if (errorDescription)
        *errorDescription = reason;
    return false;
}

} // namespace

QList<PluginRecord*> exportedRecords(const QList<LibrarySection>& sections,
                                     const QHash<QString, PluginRecord*>& recordLookup)
{
    QList<PluginRecord*> records;
    QSet<const PluginRecord*> seen;
    for (const LibrarySection& section : sections) {
        for (const PluginGroup& group : section.groups) {
            PluginRecord* record = recordLookup.value(group.id);
            if (record && !seen.contains(record)) {
                seen.insert(record);
                records.append(record);
            }
        }
    }
    return records;
}

QString csvText(const QList<PluginRecord*>& records)
{
    CsvDates dates;
    QString out = QStringLiteral("Name,Publisher,Version,Type,Archs,Dated,Installed,Size,ID,Path");
    out.reserve(records.size() * 400);
    const PluginRecord* lastRecord = nullptr;
    QString nameAndPublisher;
    for (const auto& [record, install] : ExportInstallRows::rows(records)) {
        if (record != lastRecord) {
            lastRecord = record;
            nameAndPublisher.clear();
            appendQuoted(nameAndPublisher, record->name());
            nameAndPublisher += u',';
            appendQuoted(nameAndPublisher, record->publisher());
        }
        out += u'\n';
        out += nameAndPublisher;
        out += u',';
        appendQuoted(out, install->version());
        out += u',';
        out += formatLabel(install->format());
        out += u',';
        out += rawValue(install->architecture());
        out += u',';
        out += dates.text(install->dateModified());
        out += u',';
        out += dates.text(install->installDate());
        out += u',';
        out += QString::number(install->fileSize());
        out += u',';
        appendQuoted(out, install->bundleID());
        out += u',';
        appendQuoted(out, install->filePath());
    }
    return out;
}

QString plainListText(const QList<LibrarySection>& sections, const QHash<QString, PluginRecord*>& recordLookup,
                      const QDateTime& exportDate)
{
    const QStringList heading{QStringLiteral("Zuzuze Vizozod"),
                              QString::number(exportedRecords(sections, recordLookup).size()) + QStringLiteral(" plugins"),
                              QStringLiteral("Exported: ") + exportDateText(exportDate), QString()};
    const QStringList lines = sectionLines(
        sections, recordLookup, heading, QString(), false,
        [](QStringList& out, const PluginRecord& record, const RecordTexts& texts) {
            out.append(record.name() + QStringLiteral(" \u2014 ") + record.publisher());
            out.append(QStringLiteral("  Category: ") + texts.category);
            out.append(QStringLiteral("  Formats: ") + texts.formats);
            out.append(QStringLiteral("  Version: ") + texts.version);
            out.append(QStringLiteral("  Size: ") + texts.size);
            out.append(QStringLiteral("  Updated: ") + texts.updated);
            out.append(QString());
        });
    return lines.join(u'\n').trimmed();
}

QString markdownText(const QList<LibrarySection>& sections, const QHash<QString, PluginRecord*>& recordLookup,
                     const QDateTime& exportDate)
{
    const QStringList heading{QStringLiteral("# Zuzuze Vizozod"), QString(),
                              QStringLiteral("- Plugins: ") + QString::number(exportedRecords(sections, recordLookup).size()),
                              QStringLiteral("- Exported: ") + exportDateText(exportDate), QString()};
    const QStringList lines = sectionLines(
        sections, recordLookup, heading, QStringLiteral("## "), true,
        [](QStringList& out, const PluginRecord& record, const RecordTexts& texts) {
            out.append(QStringLiteral("### ") + record.name());
            out.append(QStringLiteral("- Publisher: ") + record.publisher());
            out.append(QStringLiteral("- Category: ") + texts.category);
            out.append(QStringLiteral("- Formats: ") + texts.formats);
            out.append(QStringLiteral("- Version: ") + texts.version);
            out.append(QStringLiteral("- Size: ") + texts.size);
            out.append(QStringLiteral("- Updated: ") + texts.updated);
            out.append(QString());
        });
    return lines.join(u'\n').trimmed();
}

QString exportDateText(const QDateTime& date)
{
    if (!date.isValid())
        return {};
    const QLocale locale;
    const QString timePattern = isCLocale(locale) ? QStringLiteral("HH:mm") : locale.timeFormat(QLocale::ShortFormat);
    return formatAbbreviatedDate(date, locale) + QStringLiteral(", ") +
           locale.toString(date.toLocalTime().time(), timePattern);
}

QString suggestedFileName(ExportFormat format)
{
    switch (format) {
    case ExportFormat::csv:
        return QStringLiteral("ZuzuzeVizozod.csv");
    case ExportFormat::text:
        return QStringLiteral("ZuzuzeVizozod.txt");
    case ExportFormat::markdown:
        return QStringLiteral("ZuzuzeVizozod.md");
    case ExportFormat::pdf:
        return QStringLiteral("ZuzuzeVizozod.pdf");
    case ExportFormat::json:
        return QStringLiteral("ZuzuzeVizozod.json");
    }
    return {};
}

std::optional<ExportFormat> formatForPath(const QString& path)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension == u"csv")
        return ExportFormat::csv;
    if (extension == u"txt" || extension == u"text")
        return ExportFormat::text;
    if (extension == u"md" || extension == u"markdown")
        return ExportFormat::markdown;
    if (extension == u"pdf")
        return ExportFormat::pdf;
    if (extension == u"json")
        return ExportFormat::json;
    return std::nullopt;
}

bool writeText(const QString& path, const QString& text, QString* errorDescription)
{
    QString reason;
    // Names and values come from bundles: a control character in them must not reach a terminal
    // that shows the file.
    if (!AtomicFileWriter::writeFile(path, VisibleText::replacingControls(text).toUtf8(), &reason))
        return fail(reason, errorDescription);
    return true;
}

// Unlike a text export, a PDF that cannot be made is reported too: silence would look like success.
bool writePdf(const QString& path, const QString& plainText, QString* errorDescription)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QString reason;
    if (!PdfTextPage::write(buffer, VisibleText::replacingControls(plainText), &reason))
        return fail(reason, errorDescription);
    buffer.close();
    if (!AtomicFileWriter::writeFile(path, buffer.data(), &reason))
        return fail(reason, errorDescription);
    return true;
}

bool exportLibrary(const QString& path, ExportFormat format, const QList<LibrarySection>& sections,
                   const QHash<QString, PluginRecord*>& recordLookup, const QDateTime& exportDate,
                   QString* errorDescription)
{
    switch (format) {
    case ExportFormat::csv:
        return writeText(path, csvText(exportedRecords(sections, recordLookup)), errorDescription);
    case ExportFormat::text:
        return writeText(path, plainListText(sections, recordLookup, exportDate), errorDescription);
    case ExportFormat::markdown:
        return writeText(path, markdownText(sections, recordLookup, exportDate), errorDescription);
    case ExportFormat::pdf:
        return writePdf(path, plainListText(sections, recordLookup, exportDate), errorDescription);
    case ExportFormat::json:
        return writeText(path, LibraryJsonExporter::jsonText(exportedRecords(sections, recordLookup)), errorDescription);
    }
    return false;
}

} // namespace LibraryExporter
