#include "cli/AddContentCommand.h"

#include "cli/ConsoleOutput.h"
#include "cli/FolderCommandRun.h"
#include "content/FolderGrants.h"
#include "discovery/FolderBookmark.h"
#include "model/FilePathBytes.h"

QString AddContentCommand::name() const {
    return QStringLiteral("add-content");
}

QString AddContentCommand::summary() const {
    return QStringLiteral("Adds folders whose sample and instrument libraries are measured at each refresh.");
}

QString AddContentCommand::synopsis() const {
    return QStringLiteral("[--store PATH] FOLDER...");
}

void AddContentCommand::addOptions(QCommandLineParser& parser) const {
    parser.addPositionalArgument(
        QStringLiteral("FOLDER"),
        QStringLiteral("A content folder or a drive root. Adding a folder again renews it."),
        QStringLiteral("FOLDER..."));
}

int AddContentCommand::run(const QStringList& arguments, const QCommandLineParser&,
                           const CommandContext& context) {
    return FolderCommandRun::run(name(), arguments, context, [](CatalogStore& store, const QString& path) -> std::optional<QString> {
        if (!FilePathBytes::isFolder(path)) {
            ConsoleOutput::error(QStringLiteral("there is no folder at %1; not added.").arg(path));
            return std::nullopt;
        }
        return FolderGrants::addContentFolder(store, path, FolderBookmark::create(path)) == FolderGrants::Change::added
                   ? QStringLiteral("Added the content folder %1").arg(path)
                   : QStringLiteral("Renewed the content folder %1").arg(path);
    });
}
