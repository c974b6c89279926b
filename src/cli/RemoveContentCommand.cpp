#include "cli/RemoveContentCommand.h"

#include "cli/CatalogSession.h"
#include "cli/ConsoleOutput.h"
#include "cli/ExitStatus.h"
#include "model/CatalogStore.h"

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
    if (arguments.isEmpty())
        return ConsoleOutput::usageError(QStringLiteral("remove-content needs at least one FOLDER."),
                                         context.usage);
    const auto store = CatalogSession::open(context.storePath);
    if (!store)
        return ExitStatus::failure;

    int unknown = 0;
    QString report;
    for (const QString& argument : arguments) {
        const QString path = CatalogSession::absolutePath(argument);
        const QList<ContentLibraryFolder*> folders = store->contentFoldersWithPath(path);
        if (folders.isEmpty()) {
            ConsoleOutput::error(QStringLiteral("%1 is not a content folder.").arg(path));
            ++unknown;
            continue;
        }
        const QList<ContentLibraryItem*> items = store->contentItemsWithRootPath(path);
        for (ContentLibraryItem* item : items)
            store->remove(item);
        for (ContentLibraryFolder* folder : folders)
            store->remove(folder);
        report += items.size() == 1
                      ? QStringLiteral("Removed the content folder %1 and its 1 library\n").arg(path)
                      : QStringLiteral("Removed the content folder %1 and its %2 libraries\n").arg(path, QString::number(items.size()));
    }
    if (!CatalogSession::save(*store))
        return ExitStatus::failure;
    ConsoleOutput::out(report);
    return unknown > 0 ? ExitStatus::failure : ExitStatus::success;
}
