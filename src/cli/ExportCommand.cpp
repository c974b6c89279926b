#include "cli/ExportCommand.h"

#include "cli/CatalogSession.h"
#include "cli/ConsoleOutput.h"
#include "cli/DiagnosticsToStandardError.h"
#include "cli/ExitStatus.h"
#include "cli/LibraryListing.h"
#include "model/CatalogStore.h"
#include "presentation/LibraryExporter.h"

#include <QDateTime>

#include <optional>

namespace {

const QString asOption = QStringLiteral("as");

QString formatNames() {
    QStringList names;
    for (const ExportFormat format : allCases<ExportFormat>())
        names.append(rawValue(format));
    return names.join(u'|');
}

} // namespace

QString ExportCommand::name() const {
    return QStringLiteral("export");
}

QString ExportCommand::summary() const {
    return QStringLiteral("Writes the (filtered) library list to a CSV, text, Markdown, PDF or JSON file.");
}

QString ExportCommand::synopsis() const {
    return QStringLiteral("FILE [--as %1] ").arg(formatNames()) + LibraryFilterOptions::synopsis() +
           QStringLiteral(" [--store PATH]");
}

void ExportCommand::addOptions(QCommandLineParser& parser) const {
    parser.addOption(QCommandLineOption(
        asOption,
        QStringLiteral("The form to write: %1 (default: from FILE's extension, .csv, .txt, .md, .pdf or .json).")
            .arg(formatNames()),
        QStringLiteral("FORMAT")));
    m_filterOptions.addTo(parser);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("The file to write; an existing file is replaced."));
}

bool ExportCommand::needsGuiApplication(const QStringList& arguments, const QCommandLineParser& parser) const {
    const std::optional<ExportFormat> format = parser.isSet(asOption)
        ? fromRawValue<ExportFormat>(parser.value(asOption).toLower())
        : LibraryExporter::formatForPath(arguments.value(0));
    return format == ExportFormat::pdf;
}

int ExportCommand::run(const QStringList& arguments, const QCommandLineParser& parser,
                       const CommandContext& context) {
    if (arguments.size() != 1)
        return ConsoleOutput::usageError(QStringLiteral("export needs exactly one FILE."), context.usage);
    const QString path = CatalogSession::absolutePath(arguments.first());
    std::optional<ExportFormat> format;
    if (parser.isSet(asOption)) {
        format = fromRawValue<ExportFormat>(parser.value(asOption).toLower());
        if (!format)
            return ConsoleOutput::usageError(
                QStringLiteral("--as \"%1\" is not one of %2.").arg(parser.value(asOption), formatNames()),
                context.usage);
    } else {
        format = LibraryExporter::formatForPath(path);
        if (!format)
            return ConsoleOutput::usageError(
                QStringLiteral("cannot tell the form from the name \"%1\"; end it in .csv, .txt, .md, .pdf or .json, "
                               "or give --as %2.")
                    .arg(arguments.first(), formatNames()),
                context.usage);
    }

    // The export's own failure line is the command's error message.
    const DiagnosticsToStandardError redirect;
    const auto store = CatalogSession::open(context.storePath);
    if (!store)
        return ExitStatus::failure;
    LibraryListing listing(*store);
    const QString error = m_filterOptions.apply(parser, listing.filter());
    if (!error.isEmpty())
        return ConsoleOutput::usageError(error, context.usage);
    listing.update();
    const LibraryViewModel& model = listing.model();
    if (!LibraryExporter::exportLibrary(path, *format, model.sections(), model.recordLookup(),
                                        QDateTime::currentDateTime()))
        return ExitStatus::failure;
    const qsizetype count = LibraryExporter::exportedRecords(model.sections(), model.recordLookup()).size();
    ConsoleOutput::out(QStringLiteral("Exported %1 plugins to %2\n").arg(QString::number(count), path));
    return ExitStatus::success;
}
