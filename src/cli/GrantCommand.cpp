#include "cli/GrantCommand.h"

#include "cli/ConsoleOutput.h"
#include "cli/ExitStatus.h"
#include "cli/FolderCommandRun.h"
#include "content/FolderGrants.h"
#include "discovery/FolderBookmark.h"
#include "discovery/PluginScanner.h"
#include "model/FilePathBytes.h"

QString GrantCommand::name() const {
    return QStringLiteral("grant");
}

QString GrantCommand::summary() const {
    return QStringLiteral("Grants folders to scan for plug-ins at each refresh.");
}

QString GrantCommand::synopsis() const {
    return QStringLiteral("[--store PATH] [--standard] FOLDER...");
}

void GrantCommand::addOptions(QCommandLineParser& parser) const {
    parser.addPositionalArgument(
        QStringLiteral("FOLDER"),
        QStringLiteral("A folder to scan: a standard plug-in folder is walked as its format folders, any "
                       "other folder recursively. Granting a folder again renews its grant."),
        QStringLiteral("FOLDER..."));
    parser.addOption(QCommandLineOption(
        QStringLiteral("standard"),
        QStringLiteral("Also grants every standard plug-in folder that exists: the macOS, Linux and Wine folders "
                       "and those that VST3_PATH, CLAP_PATH, LV2_PATH, VST_PATH and LADSPA_PATH name.")));
}

int GrantCommand::run(const QStringList& given, const QCommandLineParser& parser, const CommandContext& context) {
    QStringList arguments = given;
    if (parser.isSet(QStringLiteral("standard"))) {
        const QList<StandardLocation> locations = PluginScanner(context.roots).standardLocations();
        if (locations.isEmpty() && given.isEmpty()) {
            ConsoleOutput::error(QStringLiteral("no standard plug-in folder exists; nothing was granted."));
            return ExitStatus::failure;
        }
        for (const StandardLocation& location : locations)
            if (!arguments.contains(location.path))
                arguments.append(location.path);
    }
    return FolderCommandRun::run(name(), arguments, context, [](CatalogStore& store, const QString& path) -> std::optional<QString> {
        if (PluginScanner::isContainerPluginFolder(path)) {
            ConsoleOutput::error(
                QStringLiteral("%1 is a sandbox container's own plug-in folder, which is never scanned; not granted.")
                    .arg(path));
            return std::nullopt;
        }
        if (!FilePathBytes::isFolder(path)) {
            ConsoleOutput::error(QStringLiteral("there is no folder at %1; not granted.").arg(path));
            return std::nullopt;
        }
        return FolderGrants::grantScanFolder(store, path, FolderBookmark::create(path)) == FolderGrants::Change::added
                   ? QStringLiteral("Granted %1").arg(path)
                   : QStringLiteral("Renewed the grant for %1").arg(path);
    });
}
