#include "content/ContentLibraryPersistence.h"

#include "content/ContentLibraryScanner.h"
#include "model/CatalogStore.h"

#include <QFutureWatcher>
#include <QHash>
#include <QPromise>
#include <QSet>

#include <memory>

namespace {

void update(ContentLibraryItem& item, const ContentLibraryItemInfo& info)
{
    item.setRootPath(info.rootPath);
    item.setName(info.name);
    item.setPublisher(info.publisher);
    item.setTotalBytes(info.totalBytes);
    item.setStatus(info.status);
    item.setLastScannedAt(info.scannedAt);
}

ContentLibraryItem* newItem(const ContentLibraryItemInfo& info)
{
    auto* item = new ContentLibraryItem;
    item->setPath(info.path);
    update(*item, info);
    return item;
}

} // namespace

namespace ContentLibraryPersistence {

QFuture<QList<UnreadableFolder>> refreshContentLibraries(CatalogStore& store, ContentLibraryScanner& scanner)
{
    const QList<ContentLibraryFolder*> folders = store.contentFolders();
    if (folders.isEmpty())
        return QtFuture::makeReadyFuture(QList<UnreadableFolder>());

    QList<ContentLibraryScanTarget> targets;
    targets.reserve(folders.size());
    for (const ContentLibraryFolder* folder : folders)
        targets.append({folder->path(), folder->bookmarkData()});

    auto promise = std::make_shared<QPromise<QList<UnreadableFolder>>>();
    promise->start();
    // A child of the store: should the store go first, the watcher and the promise go with it
    // and the future ends cancelled instead of writing into a dead store.
    using Watcher = QFutureWatcher<QList<ContentLibraryScanResult>>;
    auto* watcher = new Watcher(&store);
    QObject::connect(watcher, &Watcher::finished, watcher, [watcher, promise, &store] {
        const QFuture<QList<ContentLibraryScanResult>> scanned = watcher->future();
        if (!scanned.isCanceled() && scanned.resultCount() > 0) {
            writeResults(store, scanned.result());
            QList<UnreadableFolder> unreadable;
            for (const ContentLibraryScanResult& result : scanned.result())
                unreadable.append(result.unreadableFolders);
            promise->addResult(std::move(unreadable));
        }
        watcher->deleteLater();
        promise->finish();
    });
    watcher->setFuture(scanner.scan(targets));
    return promise->future();
}

void writeResults(CatalogStore& store, const QList<ContentLibraryScanResult>& results, const QDateTime& now)
{
    QHash<QString, const ContentLibraryScanResult*> resultByPath;
    QSet<QString> librariesSeen;
    for (const ContentLibraryScanResult& result : results) {
        resultByPath.insert(result.path, &result);
        for (const ContentLibraryItemInfo& info : result.items)
            librariesSeen.insert(info.path);
    }

    // Read now, not before the scan: the user may have removed roots or libraries meanwhile.
    const QList<ContentLibraryItem*> storedItems = store.contentItems();
    QHash<QString, ContentLibraryItem*> storedByPath;
    for (ContentLibraryItem* item : storedItems)
        storedByPath.insert(item->path(), item);

    QSet<QString> scannedRoots;
    for (ContentLibraryFolder* folder : store.contentFolders()) {
        const ContentLibraryScanResult* result = resultByPath.value(folder->path());
        if (!result)
            continue;
        scannedRoots.insert(result->path);
        folder->setTotalBytes(result->totalBytes);
        folder->setStatus(result->status);
        folder->setLastScannedAt(result->scannedAt);
        for (const ContentLibraryItemInfo& info : result->items) {
            if (ContentLibraryItem* stored = storedByPath.value(info.path))
                update(*stored, info);
            else
                store.insert(newItem(info));
        }
    }

    for (ContentLibraryItem* item : storedItems) {
        if (scannedRoots.contains(item->rootPath()) && !librariesSeen.contains(item->path())) {
            item->setTotalBytes(0);
            item->setStatus(ContentLibraryStatus::notFound);
            item->setLastScannedAt(now);
        }
    }

    // Ignored on purpose: the changes stay pending and a later save or the autosave writes them.
    static_cast<void>(store.save());
}

} // namespace ContentLibraryPersistence
