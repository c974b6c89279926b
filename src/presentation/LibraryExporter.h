#pragma once

#include "presentation/ExportFormat.h"
#include "presentation/LibrarySection.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSizeF>
#include <QString>

#include <optional>

class PluginRecord;

// The library list as CSV, plain text, Markdown, PDF or JSON. Every form exports the records of the
// sections' groups (the filtered list); the CSV and the JSON are flat and also list installs not found.
// Texts use line feeds, no byte-order mark and no final line feed.
namespace LibraryExporter {

// The record of each group, section by section, without repetition; groups without one are skipped.
[[nodiscard]] QList<PluginRecord*> exportedRecords(const QList<LibrarySection>& sections,
                                                   const QHash<QString, PluginRecord*>& recordLookup);

// One line per install, records by name, installs by format label (AAX, AU, CLAP, VST, VST3).
[[nodiscard]] QString csvText(const QList<PluginRecord*>& records);
[[nodiscard]] QString plainListText(const QList<LibrarySection>& sections,
                                    const QHash<QString, PluginRecord*>& recordLookup, const QDateTime& exportDate);
[[nodiscard]] QString markdownText(const QList<LibrarySection>& sections,
                                   const QHash<QString, PluginRecord*>& recordLookup, const QDateTime& exportDate);
// Abbreviated date and short time in the user's locale.
[[nodiscard]] QString exportDateText(const QDateTime& date);

// "ZuzuzeVizozod.csv" and so on.
[[nodiscard]] QString suggestedFileName(ExportFormat format);
// From the file name's extension (csv, txt, md or markdown, pdf, json; any case).
[[nodiscard]] std::optional<ExportFormat> formatForPath(const QString& path);

// Each writes the whole file or nothing, replacing an existing file. On failure prints
// "Export failed: " and the reason, and returns false with the reason in errorDescription.
[[nodiscard]] bool writeText(const QString& path, const QString& text, QString* errorDescription = nullptr);
[[nodiscard]] bool writePdf(const QString& path, const QString& plainText, QString* errorDescription = nullptr);
[[nodiscard]] bool exportLibrary(const QString& path, ExportFormat format, const QList<LibrarySection>& sections,
                                 const QHash<QString, PluginRecord*>& recordLookup, const QDateTime& exportDate,
                                 QString* errorDescription = nullptr);

} // namespace LibraryExporter
