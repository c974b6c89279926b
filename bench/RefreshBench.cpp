// Times a full refresh of the large sample library (2,000 bundles and the content folders) into
// an empty catalogue, and a second refresh with nothing changed, against
// `du -s --apparent-size` over the same folders, all warm; then, when running as root, the
// unchanged refresh and du cold (the page cache dropped before each run); then the process's
// peak memory.

#include "PageCache.h"

#include "discovery/FolderBookmark.h"
#include "model/CatalogStore.h"
#include "sample/DemoLibrary.h"
#include "store/PluginStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

constexpr int bundleCount = 2'000;
constexpr int runs = 5;
constexpr double targetRatio = 1.3;
constexpr double targetMegabytes = 150;

struct Library {
    QString root;
    QStringList pluginFolders;
    QString contentFolder;
};

std::unique_ptr<CatalogStore> grantedStore(const QString& path, const Library& library) {
    QString error;
    auto store = CatalogStore::open(path, &error);
    if (!store) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return nullptr;
    }
    for (const QString& folder : library.pluginFolders)
        store->insert(new ScanBookmark(folder, FolderBookmark::create(folder)));
    store->insert(new ContentLibraryFolder(library.contentFolder, QFileInfo(library.contentFolder).fileName(),
                                           QString(), FolderBookmark::create(library.contentFolder)));
    return store->save() ? std::move(store) : nullptr;
}

// Milliseconds for one refresh to its end, or -1 when it failed.
double refreshOnce(CatalogStore& store, const Library& library) {
    PluginStore pluginStore(store, ScanRoots{library.root, DemoLibrary::homeFolder(library.root)});
    QEventLoop loop;
    QObject::connect(&pluginStore, &PluginStore::refreshFinished, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    pluginStore.refresh();
    loop.exec();
    const double elapsed = double(timer.nsecsElapsed()) / 1e6;
    return pluginStore.lastError().isEmpty() ? elapsed : -1;
}

double duOnce(const Library& library) {
    QProcess du;
    du.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    du.start(QStringLiteral("du"), QStringList{QStringLiteral("-s"), QStringLiteral("--apparent-size")} +
                                       library.pluginFolders + QStringList{library.contentFolder});
    const bool ok = du.waitForFinished(-1) && du.exitStatus() == QProcess::NormalExit && du.exitCode() == 0;
    return ok ? double(timer.nsecsElapsed()) / 1e6 : -1;
}

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

double peakMegabytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;

    Library library;
    library.root = dir.filePath(QStringLiteral("library"));
    DemoLibrary::Options options;
    options.bundles = bundleCount;
    const DemoLibrary::Result written = DemoLibrary::write(library.root, options);
    if (!written.ok) {
        std::fprintf(stderr, "%s\n", qPrintable(written.error));
        return 1;
    }
    library.pluginFolders = DemoLibrary::pluginFolders(library.root);
    library.contentFolder = DemoLibrary::contentFolder(library.root);
    std::printf("Sample library: %d bundles, %d content libraries, %lld files\n", written.bundles,
                written.contentLibraries, static_cast<long long>(written.files));

    // Warm the caches for both sides.
    if (duOnce(library) < 0) {
        std::fprintf(stderr, "du --apparent-size failed\n");
        return 1;
    }
    QList<double> first, second, du;
    for (int run = 0; run <= runs; ++run) {
        auto store = grantedStore(dir.filePath(QStringLiteral("catalog-%1.sqlite").arg(run)), library);
        if (!store)
            return 1;
        const double full = refreshOnce(*store, library);
        const double unchanged = refreshOnce(*store, library);
        const double measured = duOnce(library);
        if (full < 0 || unchanged < 0 || measured < 0) {
            std::fprintf(stderr, "a refresh or du failed\n");
            return 1;
        }
        if (run == 0)
            continue; // warm-up
        first.append(full);
        second.append(unchanged);
        du.append(measured);
    }

    const double duTime = median(du);
    std::printf("du --apparent-size:   %8.1f ms\n", duTime);
    std::printf("first refresh:        %8.1f ms  ratio %.2f (target at most %.1f)\n", median(first),
                median(first) / duTime, targetRatio);
    std::printf("unchanged refresh:    %8.1f ms  ratio %.2f (target at most %.1f)\n", median(second),
                median(second) / duTime, targetRatio);

    // Cold: the last catalogue again, nothing changed on disk, nothing cached.
    QList<double> coldRefresh, coldDu;
    auto store = grantedStore(dir.filePath(QStringLiteral("catalog-%1.sqlite").arg(runs)), library);
    for (int run = 0; store && run < 3 && PageCache::drop(); ++run) {
        coldRefresh.append(refreshOnce(*store, library));
        if (!PageCache::drop())
            break;
        coldDu.append(duOnce(library));
    }
    if (coldDu.isEmpty()) {
        std::printf("%s\n", PageCache::skipMessage);
    } else {
        std::printf("du cold:              %8.1f ms\n", median(coldDu));
        std::printf("unchanged, cold:      %8.1f ms  ratio %.2f\n", median(coldRefresh), median(coldRefresh) / median(coldDu));
    }
    std::printf("peak memory:          %8.1f MB (target at most %.0f)\n", peakMegabytes(), targetMegabytes);
    return 0;
}
