#include "cli/ShowCommand.h"

#include "cli/CatalogSession.h"
#include "cli/ConsoleOutput.h"
#include "cli/DiagnosticsToStandardError.h"
#include "cli/ExitStatus.h"
#include "cli/LibraryListing.h"
#include "cli/PluginDetailText.h"
#include "cli/PluginLookup.h"
#include "model/CatalogStore.h"

namespace {
const QString jsonOption = QStringLiteral("json");
}

QString ShowCommand::name() const {
    return QStringLiteral("show");
}

QString ShowCommand::summary() const {
    return QStringLiteral("Shows one plug-in's detail: description, facts, every install, notes and tags.");
}

QString ShowCommand::synopsis() const {
    return QStringLiteral("NAME [--json] [--store PATH]");
}

void ShowCommand::addOptions(QCommandLineParser& parser) const {
    parser.addOption(QCommandLineOption(jsonOption, QStringLiteral("Print the detail as one JSON object.")));
    parser.addPositionalArgument(
        QStringLiteral("NAME"),
        QStringLiteral("The plug-in's name as listed, in any case, or the start of it."));
}

int ShowCommand::run(const QStringList& arguments, const QCommandLineParser& parser,
                     const CommandContext& context) {
    if (arguments.size() != 1)
        return ConsoleOutput::usageError(QStringLiteral("show needs exactly one NAME."), context.usage);
    // Diagnostics keep to standard output unless it carries a JSON document.
    const DiagnosticsToStandardError redirect(parser.isSet(jsonOption));
    const auto store = CatalogSession::open(context.storePath);
    if (!store)
        return ExitStatus::failure;
    LibraryListing listing(*store);
    listing.update();
    const PluginLookup lookup(listing.model(), arguments.first());
    if (!lookup.found()) {
        ConsoleOutput::error(lookup.error());
        return ExitStatus::failure;
    }
    ConsoleOutput::out(parser.isSet(jsonOption) ? PluginDetailText::json(lookup.group(), *lookup.record())
                                                : PluginDetailText::text(lookup.group(), *lookup.record()));
    return ExitStatus::success;
}
