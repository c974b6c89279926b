#include "cli/RemoveContentCommand.h"

#include "cli/ConsoleOutput.h"
#include "cli/FolderCommandRun.h"
#include "content/FolderGrants.h"

QString RemoveContentCommand::name() const {
    return QStringLiteral("remove-content");
}

QString RemoveContentCommand::summary() const {
    return QStringLiteral("Removes content folders and the libraries measured under them.");
}

QString RemoveContentCommand::synopsis() const {
    return QStringLiteral("[--store PATH] FOLDER...");
}

void RemoveContentCommand::addOptions(QCommandLineParser& parser) const {
    parser.addPositionalArgument(QStringLiteral("FOLDER"),
                                 QStringLiteral("A content folder; it need not exist any more."),
                                 QStringLiteral("FOLDER..."));
}

int RemoveContentCommand::run(const QStringList& arguments, const QCommandLineParser&,
                              const CommandContext& context) {
    return FolderCommandRun::run(name(), arguments, context, [](CatalogStore& store, const QString& path) -> std::optional<QString> {
        const int libraries = FolderGrants::removeContentFolder(store, path);
        if (libraries < 0) {
            ConsoleOutput::error(QStringLiteral("%1 is not a content folder.").arg(path));
            return std::nullopt;
        }
        return libraries == 1 ? QStringLiteral("Removed the content folder %1 and its 1 library").arg(path)
                              : QStringLiteral("Removed the content folder %1 and its %2 libraries")
                                    .arg(path, QString::number(libraries));
    });
}
