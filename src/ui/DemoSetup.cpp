#include "ui/DemoSetup.h"

#include "content/ContentLibraryScanner.h"
#include "discovery/FolderBookmark.h"
#include "model/CatalogStore.h"
#include "sample/DemoLibrary.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace DemoSetup {

QString defaultLibraryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/demo-library");
}

QString defaultStorePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/demo-catalog.sqlite");
}

bool ensureLibrary(const QString& root, QString* errorDescription)
{
    const QDir folder(root);
    if (folder.exists() && !folder.isEmpty())
        return true;
    const DemoLibrary::Result result = DemoLibrary::write(root);
    if (!result.ok && errorDescription)
        *errorDescription = result.error;
    return result.ok;
}

ScanRoots roots(const QString& root)
{
    return {root, DemoLibrary::homeFolder(root)};
}

void grantFolders(CatalogStore& store, const QString& root)
{
    for (const QString& path : DemoLibrary::pluginFolders(root))
        if (store.scanBookmarksWithPath(path).isEmpty())
            store.insert(new ScanBookmark(path, FolderBookmark::create(path)));

    const QString content = DemoLibrary::contentFolder(root);
    if (store.contentFoldersWithPath(content).isEmpty()) {
        const QString name = QFileInfo(content).fileName();
        store.insert(new ContentLibraryFolder(content, name.isEmpty() ? content : name,
                                              ContentLibraryScanner::contentFolderDisplayName(content),
                                              FolderBookmark::create(content)));
    }
    // A failed save leaves the grants pending for the store's own saving.
    static_cast<void>(store.save());
}

} // namespace DemoSetup
