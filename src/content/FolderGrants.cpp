#include "content/FolderGrants.h"

#include "content/ContentLibraryScanner.h"
#include "model/CatalogStore.h"

#include <QFileInfo>

namespace FolderGrants {

Change grantScanFolder(CatalogStore& store, const QString& path, const QByteArray& bookmark)
{
    const QList<ScanBookmark*> existing = store.scanBookmarksWithPath(path);
    if (existing.isEmpty()) {
        store.insert(new ScanBookmark(path, bookmark));
        return Change::added;
    }
    existing.first()->setBookmarkData(bookmark);
    return Change::renewed;
}

int revokeScanFolder(CatalogStore& store, const QString& path)
{
    const QList<ScanBookmark*> grants = store.scanBookmarksWithPath(path);
    for (ScanBookmark* grant : grants)
        store.remove(grant);
    return int(grants.size());
}

Change addContentFolder(CatalogStore& store, const QString& path, const QByteArray& bookmark)
{
    const QString name = folderName(path);
    const QString publisher = ContentLibraryScanner::contentFolderDisplayName(path);
    const QList<ContentLibraryFolder*> existing = store.contentFoldersWithPath(path);
    if (existing.isEmpty()) {
        store.insert(new ContentLibraryFolder(path, name, publisher, bookmark));
        return Change::added;
    }
    ContentLibraryFolder* folder = existing.first();
    folder->setBookmarkData(bookmark);
    folder->setName(name);
    folder->setPublisher(publisher);
    folder->setStatus(ContentLibraryStatus::found);
    return Change::renewed;
}

int removeContentFolder(CatalogStore& store, const QString& path)
{
    const QList<ContentLibraryFolder*> folders = store.contentFoldersWithPath(path);
    if (folders.isEmpty())
        return -1;
    const QList<ContentLibraryItem*> items = store.contentItemsWithRootPath(path);
    for (ContentLibraryItem* item : items)
        store.remove(item);
    for (ContentLibraryFolder* folder : folders)
        store.remove(folder);
    return int(items.size());
}

QString folderName(const QString& path)
{
    QString trimmed = path;
    while (trimmed.size() > 1 && trimmed.endsWith(u'/'))
        trimmed.chop(1);
    const QString name = QFileInfo(trimmed).fileName();
    return name.isEmpty() ? path : name;
}

} // namespace FolderGrants
