#include "cli/GrantCommand.h"

#include "cli/ConsoleOutput.h"
#include "cli/FolderCommandRun.h"
#include "content/FolderGrants.h"
#include "discovery/FolderBookmark.h"
#include "discovery/PluginScanner.h"

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
    return FolderCommandRun::run(name(), arguments, context, [](CatalogStore& store, const QString& path) -> std::optional<QString> {
        if (PluginScanner::isContainerPluginFolder(path)) {
            ConsoleOutput::error(
                QStringLiteral("%1 is a sandbox container's own plug-in folder, which is never scanned; not granted.")
                    .arg(path));
            return std::nullopt;
        }
        if (!QFileInfo(path).isDir()) {
            ConsoleOutput::error(QStringLiteral("there is no folder at %1; not granted.").arg(path));
            return std::nullopt;
        }
        return FolderGrants::grantScanFolder(store, path, FolderBookmark::create(path)) == FolderGrants::Change::added
                   ? QStringLiteral("Granted %1").arg(path)
                   : QStringLiteral("Renewed the grant for %1").arg(path);
    });
}
