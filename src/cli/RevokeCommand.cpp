#include "cli/RevokeCommand.h"

#include "cli/ConsoleOutput.h"
#include "cli/FolderCommandRun.h"
#include "content/FolderGrants.h"

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
    return FolderCommandRun::run(name(), arguments, context, [](CatalogStore& store, const QString& path) -> std::optional<QString> {
        if (FolderGrants::revokeScanFolder(store, path) == 0) {
            ConsoleOutput::error(QStringLiteral("%1 is not granted.").arg(path));
            return std::nullopt;
        }
        return QStringLiteral("Revoked the grant for %1").arg(path);
    });
}
