#include "cli/DemoCommand.h"

#include "cli/CatalogListing.h"
#include "cli/CatalogSession.h"
#include "cli/ConsoleOutput.h"
#include "cli/ExitStatus.h"
#include "cli/RefreshRun.h"
#include "content/ContentLibraryScanner.h"
#include "discovery/FolderBookmark.h"
#include "model/CatalogStore.h"
#include "sample/DemoLibrary.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// Written beside its final place and moved there whole, so an interrupted run leaves no half tree.
bool ensureLibrary(const QString& root) {
    if (QFileInfo(root).isDir())
        return true;
    const QString partial = root + QStringLiteral(".partial");
    QDir(partial).removeRecursively();
    ConsoleOutput::err(QStringLiteral("Writing the sample library to %1 ...\n").arg(root));
    const DemoLibrary::Result written = DemoLibrary::write(partial);
    if (!written.ok) {
        QDir(partial).removeRecursively();
        ConsoleOutput::error(written.error);
        return false;
    }
    if (!QDir().rename(partial, root)) {
        QDir(partial).removeRecursively();
        ConsoleOutput::error(QStringLiteral("Could not move the sample library to %1.").arg(root));
        return false;
    }
    return true;
}

void grantSampleFolders(CatalogStore& store, const QString& root) {
    for (const QString& path : DemoLibrary::pluginFolders(root)) {
        const QList<ScanBookmark*> existing = store.scanBookmarksWithPath(path);
        if (existing.isEmpty())
            store.insert(new ScanBookmark(path, FolderBookmark::create(path)));
        else
            existing.first()->setBookmarkData(FolderBookmark::create(path));
    }
    const QString content = DemoLibrary::contentFolder(root);
    if (store.contentFoldersWithPath(content).isEmpty())
        store.insert(new ContentLibraryFolder(content, QFileInfo(content).fileName(),
                                              ContentLibraryScanner::contentFolderDisplayName(content),
                                              FolderBookmark::create(content)));
}

} // namespace

QString DemoCommand::name() const {
    return QStringLiteral("demo");
}

QString DemoCommand::summary() const {
    return QStringLiteral("Catalogues a generated sample library, leaving your own catalogue alone.");
}

QString DemoCommand::synopsis() const {
    return QString();
}

void DemoCommand::addOptions(QCommandLineParser&) const {}

int DemoCommand::run(const QStringList& arguments, const QCommandLineParser&, const CommandContext& context) {
    if (!arguments.isEmpty())
        return ConsoleOutput::usageError(QStringLiteral("demo takes no arguments."), context.usage);
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (cache.isEmpty() || !QDir().mkpath(cache)) {
        ConsoleOutput::error(QStringLiteral("There is no cache folder to write the sample library into."));
        return ExitStatus::failure;
    }
    const QString root = cache + QStringLiteral("/demo-library");
    if (!ensureLibrary(root))
        return ExitStatus::failure;
    const auto store = CatalogSession::open(cache + QStringLiteral("/demo-catalog.sqlite"));
    if (!store)
        return ExitStatus::failure;
    grantSampleFolders(*store, root);
    if (!CatalogSession::save(*store))
        return ExitStatus::failure;

    // The sample tree is the system to scan, so its standard folders are standard locations.
    const ScanRoots roots{root, DemoLibrary::homeFolder(root)};
    const RefreshRun refresh = RefreshRun::run(*store, roots);
    if (!refresh.error.isEmpty()) {
        ConsoleOutput::error(QStringLiteral("The refresh failed: ") + refresh.error);
        return ExitStatus::failure;
    }
    ConsoleOutput::out(CatalogListing::table(*store) + u'\n' + refresh.summary.totalsText() +
                       QStringLiteral("\nSample library: %1\nCatalogue: %2\n").arg(root, store->path()));
    return ExitStatus::success;
}
