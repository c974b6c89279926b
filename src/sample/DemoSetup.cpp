#include "sample/DemoSetup.h"

#include "content/FolderGrants.h"
#include "discovery/FolderBookmark.h"
#include "model/CatalogStore.h"
#include "sample/DemoLibrary.h"

#include <QDir>
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

bool libraryExists(const QString& root)
{
    const QDir folder(root);
    return folder.exists() && !folder.isEmpty();
}

bool ensureLibrary(const QString& root, QString* errorDescription)
{
    if (libraryExists(root))
        return true;
    // Written beside its final place and moved there whole, so an interrupted run leaves no half tree.
    const QString partial = root + QStringLiteral(".partial");
    QDir(partial).removeRecursively();
    const auto fail = [&](const QString& reason) {
        QDir(partial).removeRecursively();
        if (errorDescription)
            *errorDescription = reason;
        return false;
    };
    const DemoLibrary::Result result = DemoLibrary::write(partial);
    if (!result.ok)
        return fail(result.error);
    QDir().rmdir(root);
    if (!QDir().rename(partial, root))
        return fail(QStringLiteral("Could not move the sample library to %1.").arg(root));
    return true;
}

ScanRoots roots(const QString& root)
{
    return {root, DemoLibrary::homeFolder(root)};
}

void grantFolders(CatalogStore& store, const QString& root)
{
    for (const QString& path : DemoLibrary::pluginFolders(root))
        FolderGrants::grantScanFolder(store, path, FolderBookmark::create(path));
    const QString content = DemoLibrary::contentFolder(root);
    FolderGrants::addContentFolder(store, content, FolderBookmark::create(content));
    // A failed save leaves the grants pending for the store's own saving.
    static_cast<void>(store.save());
}

} // namespace DemoSetup
