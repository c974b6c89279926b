#include "cli/AddContentCommand.h"

#include "cli/CatalogSession.h"
#include "cli/ConsoleOutput.h"
#include "cli/ExitStatus.h"
#include "content/ContentLibraryScanner.h"
#include "discovery/FolderBookmark.h"
#include "model/CatalogStore.h"

#include <QFileInfo>

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
    if (arguments.isEmpty())
        return ConsoleOutput::usageError(QStringLiteral("add-content needs at least one FOLDER."), context.usage);
    const auto store = CatalogSession::open(context.storePath);
    if (!store)
        return ExitStatus::failure;

    int refused = 0;
    QString report;
    for (const QString& argument : arguments) {
        const QString path = CatalogSession::absolutePath(argument);
        if (!QFileInfo(path).isDir()) {
            ConsoleOutput::error(QStringLiteral("there is no folder at %1; not added.").arg(path));
            ++refused;
            continue;
        }
        const QString fileName = QFileInfo(path).fileName();
        const QString name = fileName.isEmpty() ? path : fileName;
        const QString publisher = ContentLibraryScanner::contentFolderDisplayName(path);
        const QByteArray bookmark = FolderBookmark::create(path);
        const QList<ContentLibraryFolder*> existing = store->contentFoldersWithPath(path);
        if (existing.isEmpty()) {
            store->insert(new ContentLibraryFolder(path, name, publisher, bookmark));
            report += QStringLiteral("Added the content folder %1\n").arg(path);
        } else {
            ContentLibraryFolder* folder = existing.first();
            folder->setBookmarkData(bookmark);
            folder->setName(name);
            folder->setPublisher(publisher);
            folder->setStatus(ContentLibraryStatus::found);
            report += QStringLiteral("Renewed the content folder %1\n").arg(path);
        }
    }
    if (!CatalogSession::save(*store))
        return ExitStatus::failure;
    ConsoleOutput::out(report);
    return refused > 0 ? ExitStatus::failure : ExitStatus::success;
}
