#include "cli/RefreshCommand.h"

#include "cli/CatalogSession.h"
#include "cli/ConsoleOutput.h"
#include "cli/DiagnosticsToStandardError.h"
#include "cli/ExitStatus.h"
#include "cli/RefreshRun.h"
#include "model/CatalogStore.h"

namespace {
const QString jsonOption = QStringLiteral("json");
}

QString RefreshCommand::name() const {
    return QStringLiteral("refresh");
}

QString RefreshCommand::summary() const {
    return QStringLiteral("Scans the granted folders and content folders and updates the catalogue.");
}

QString RefreshCommand::synopsis() const {
    return QStringLiteral("[--json] [--store PATH] [--system-root DIR] [--home DIR]");
}

void RefreshCommand::addOptions(QCommandLineParser& parser) const {
    parser.addOption(QCommandLineOption(
        jsonOption, QStringLiteral("Print what changed and the totals as one JSON object.")));
}

int RefreshCommand::run(const QStringList& arguments, const QCommandLineParser& parser,
                        const CommandContext& context) {
    if (!arguments.isEmpty())
        return ConsoleOutput::usageError(QStringLiteral("refresh takes no arguments."), context.usage);
    const bool json = parser.isSet(jsonOption);
    const DiagnosticsToStandardError redirect(json);
    const auto store = CatalogSession::open(context.storePath);
    if (!store)
        return ExitStatus::failure;

    const RefreshRun refresh = RefreshRun::run(*store, context.roots);
    // A word, not a failure: the rest of the refresh stands, and the exit status says so.
    ConsoleOutput::tellUnreadable(refresh.summary.unreadableFolders);
    if (!refresh.error.isEmpty()) {
        ConsoleOutput::error(QStringLiteral("The refresh failed: ") + refresh.error);
        return ExitStatus::failure;
    }
    ConsoleOutput::out(json ? refresh.summary.json() : refresh.summary.text());
    return ExitStatus::success;
}
