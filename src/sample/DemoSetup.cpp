#include "sample/DemoSetup.h"

#include "content/FolderGrants.h"
#include "discovery/FolderBookmark.h"
#include "model/CatalogStore.h"
#include "sample/DemoLibrary.h"

#include <QDir>
#include <QFile>
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

namespace {

// Bumped whenever the sample library gains bundles, so a library written by an earlier version
// is written again instead of hiding what the program now recognises.
const QByteArray layoutStamp = QByteArrayLiteral("2\n");

QString stampPath(const QString& root)
{
    return root + QStringLiteral("/.sample-library-layout");
}

bool writeStamp(const QString& root)
{
    QFile stamp(stampPath(root));
    return stamp.open(QIODevice::WriteOnly) && stamp.write(layoutStamp) == layoutStamp.size() && stamp.flush();
}

} // namespace

bool libraryExists(const QString& root)
{
    const QDir folder(root);
    return folder.exists() && !folder.isEmpty();
}

bool libraryIsCurrent(const QString& root)
{
    QFile stamp(stampPath(root));
    return stamp.open(QIODevice::ReadOnly) && stamp.read(64) == layoutStamp;
}

bool ensureLibrary(const QString& root, QString* errorDescription)
{
    if (libraryIsCurrent(root))
        return true;
    // Only a sample library this program wrote is replaced; anything else in the way is kept.
    const bool earlierSample = libraryExists(root) && QDir(root + QStringLiteral("/Library/Audio/Plug-Ins")).exists();
    if (libraryExists(root) && !earlierSample) {
        if (errorDescription)
            *errorDescription = QStringLiteral("%1 holds something other than the sample library.").arg(root);
        return false;
    }
    // Written beside its final place and moved there whole, so an interrupted run leaves no half tree.
    const QString partial = root + QStringLiteral(".partial");
    const QString previous = root + QStringLiteral(".previous");
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
    if (!writeStamp(partial))
        return fail(QStringLiteral("Could not write the sample library's layout stamp in %1.").arg(partial));
    QDir(previous).removeRecursively();
    if (earlierSample ? !QDir().rename(root, previous) : !(QDir().rmdir(root) || !QDir(root).exists()))
        return fail(QStringLiteral("Could not move the earlier sample library at %1 aside.").arg(root));
    if (!QDir().rename(partial, root))
        return fail(QStringLiteral("Could not move the sample library to %1.").arg(root));
    QDir(previous).removeRecursively();
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
