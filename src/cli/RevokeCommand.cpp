#include "cli/RevokeCommand.h"

#include "cli/CatalogSession.h"
#include "cli/ConsoleOutput.h"
#include "cli/ExitStatus.h"
#include "model/CatalogStore.h"

QString RevokeCommand::name() const {
    return QStringLiteral("revoke");
}

QString RevokeCommand::summary() const {
    return QStringLiteral("Withdraws the plug-in scan grants of folders.");
}

QString RevokeCommand::synopsis() const {
    return QStringLiteral("[--store PATH] FOLDER...");
}

void RevokeCommand::addOptions(QCommandLineParser& parser) const {
    parser.addPositionalArgument(QStringLiteral("FOLDER"),
                                 QStringLiteral("A granted folder; it need not exist any more."),
                                 QStringLiteral("FOLDER..."));
}

int RevokeCommand::run(const QStringList& arguments, const QCommandLineParser&, const CommandContext& context) {
    if (arguments.isEmpty())
        return ConsoleOutput::usageError(QStringLiteral("revoke needs at least one FOLDER."), context.usage);
    const auto store = CatalogSession::open(context.storePath);
    if (!store)
        return ExitStatus::failure;

    int unknown = 0;
    QString report;
    for (const QString& argument : arguments) {
        const QString path = CatalogSession::absolutePath(argument);
        const QList<ScanBookmark*> grants = store->scanBookmarksWithPath(path);
        if (grants.isEmpty()) {
            ConsoleOutput::error(QStringLiteral("%1 is not granted.").arg(path));
            ++unknown;
            continue;
        }
        for (ScanBookmark* grant : grants)
            store->remove(grant);
        report += QStringLiteral("Revoked the grant for %1\n").arg(path);
    }
    if (!CatalogSession::save(*store))
        return ExitStatus::failure;
    ConsoleOutput::out(report);
    return unknown > 0 ? ExitStatus::failure : ExitStatus::success;
}
