#include "cli/GrantCommand.h"

#include "cli/CatalogSession.h"
#include "cli/ConsoleOutput.h"
#include "cli/ExitStatus.h"
#include "discovery/FolderBookmark.h"
#include "discovery/PluginScanner.h"
#include "model/CatalogStore.h"

#include <QFileInfo>

QString GrantCommand::name() const {
    return QStringLiteral("grant");
}

QString GrantCommand::summary() const {
    return QStringLiteral("Grants folders to scan for plug-ins at each refresh.");
}

QString GrantCommand::synopsis() const {
    return QStringLiteral("[--store PATH] FOLDER...");
}

void GrantCommand::addOptions(QCommandLineParser& parser) const {
    parser.addPositionalArgument(
        QStringLiteral("FOLDER"),
        QStringLiteral("A folder to scan: a standard plug-in folder is walked as its format folders, any "
                       "other folder recursively. Granting a folder again renews its grant."),
        QStringLiteral("FOLDER..."));
}

int GrantCommand::run(const QStringList& arguments, const QCommandLineParser&, const CommandContext& context) {
    if (arguments.isEmpty())
        return ConsoleOutput::usageError(QStringLiteral("grant needs at least one FOLDER."), context.usage);
    const auto store = CatalogSession::open(context.storePath);
    if (!store)
        return ExitStatus::failure;

    int refused = 0;
    QString report;
    for (const QString& argument : arguments) {
        const QString path = CatalogSession::absolutePath(argument);
        if (PluginScanner::isContainerPluginFolder(path)) {
            ConsoleOutput::error(
                QStringLiteral("%1 is a sandbox container's own plug-in folder, which is never scanned; not granted.")
                    .arg(path));
            ++refused;
            continue;
        }
        if (!QFileInfo(path).isDir()) {
            ConsoleOutput::error(QStringLiteral("there is no folder at %1; not granted.").arg(path));
            ++refused;
            continue;
        }
        const QByteArray bookmark = FolderBookmark::create(path);
        const QList<ScanBookmark*> existing = store->scanBookmarksWithPath(path);
        if (existing.isEmpty()) {
            store->insert(new ScanBookmark(path, bookmark));
            report += QStringLiteral("Granted %1\n").arg(path);
        } else {
            existing.first()->setBookmarkData(bookmark);
            report += QStringLiteral("Renewed the grant for %1\n").arg(path);
        }
    }
    if (!CatalogSession::save(*store))
        return ExitStatus::failure;
    ConsoleOutput::out(report);
    return refused > 0 ? ExitStatus::failure : ExitStatus::success;
}
