#include "cli/ListCommand.h"

#include "cli/CatalogSession.h"
#include "cli/ConsoleOutput.h"
#include "cli/DiagnosticsToStandardError.h"
#include "cli/ExitStatus.h"
#include "cli/LibraryListing.h"
#include "model/CatalogStore.h"

namespace {
const QString jsonOption = QStringLiteral("json");
}

QString ListCommand::name() const {
    return QStringLiteral("list");
}

QString ListCommand::summary() const {
    return QStringLiteral("Lists the catalogue's plug-ins in sections, as the library shows them.");
}

QString ListCommand::synopsis() const {
    return QStringLiteral("[--json] ") + LibraryFilterOptions::synopsis() + QStringLiteral(" [--store PATH]");
}

void ListCommand::addOptions(QCommandLineParser& parser) const {
    parser.addOption(
        QCommandLineOption(jsonOption, QStringLiteral("Print the sections as one JSON object.")));
    m_filterOptions.addTo(parser);
}

int ListCommand::run(const QStringList& arguments, const QCommandLineParser& parser,
                     const CommandContext& context) {
    if (!arguments.isEmpty())
        return ConsoleOutput::usageError(QStringLiteral("list takes no arguments."), context.usage);
    // Diagnostics keep to standard output unless it carries a JSON document.
    const DiagnosticsToStandardError redirect(parser.isSet(jsonOption));
    const auto store = CatalogSession::open(context.storePath);
    if (!store)
        return ExitStatus::failure;
    LibraryListing listing(*store);
    const QString error = m_filterOptions.apply(parser, listing.filter());
    if (!error.isEmpty())
        return ConsoleOutput::usageError(error, context.usage);
    listing.update();
    ConsoleOutput::out(parser.isSet(jsonOption) ? listing.json() : listing.text());
    return ExitStatus::success;
}
