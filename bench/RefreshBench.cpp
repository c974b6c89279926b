// Times a full refresh of the large sample library (2,000 bundles and the content folders) into
// an empty catalogue, and a second refresh with nothing changed, against
// `du -s --apparent-size` over the same folders, all warm; then, when running as root, the
// unchanged refresh and du cold (the page cache dropped before each run); then the process's
// peak memory.

#include "GrantedLibrary.h"
#include "PageCache.h"

#include "store/PluginStore.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>

#include <sys/resource.h>

namespace {

constexpr int runs = 5;
constexpr double targetRatio = 1.3;
constexpr double targetMegabytes = 150;

// Milliseconds for one refresh to its end, or -1 when it failed.
double refreshOnce(CatalogStore& store, const GrantedLibrary& library) {
    PluginStore pluginStore(store, library.roots());
    QEventLoop loop;
    QObject::connect(&pluginStore, &PluginStore::refreshFinished, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    pluginStore.refresh();
    loop.exec();
    const double elapsed = double(timer.nsecsElapsed()) / 1e6;
    return pluginStore.lastError().isEmpty() ? elapsed : -1;
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

    GrantedLibrary library;
    if (!library.write(dir.filePath(QStringLiteral("library"))))
        return 1;

    // Warm the caches for both sides.
    if (library.duOnce() < 0) {
        std::fprintf(stderr, "du --apparent-size failed\n");
        return 1;
    }
    QList<double> first, second, du;
    for (int run = 0; run <= runs; ++run) {
        auto store = library.grantedStore(dir.filePath(QStringLiteral("catalog-%1.sqlite").arg(run)));
        if (!store)
            return 1;
        const double full = refreshOnce(*store, library);
        const double unchanged = refreshOnce(*store, library);
        const double measured = library.duOnce();
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

    const double duTime = medianOf(du);
    std::printf("du --apparent-size:   %8.1f ms\n", duTime);
    std::printf("first refresh:        %8.1f ms  ratio %.2f (target at most %.1f)\n", medianOf(first),
                medianOf(first) / duTime, targetRatio);
    std::printf("unchanged refresh:    %8.1f ms  ratio %.2f (target at most %.1f)\n", medianOf(second),
                medianOf(second) / duTime, targetRatio);

    // Cold: the last catalogue again, nothing changed on disk, nothing cached.
    QList<double> coldRefresh, coldDu;
    auto store = library.grantedStore(dir.filePath(QStringLiteral("catalog-%1.sqlite").arg(runs)));
    for (int run = 0; store && run < 3 && PageCache::drop(); ++run) {
        coldRefresh.append(refreshOnce(*store, library));
        if (!PageCache::drop())
            break;
        coldDu.append(library.duOnce());
    }
    if (coldDu.isEmpty()) {
        std::printf("%s\n", PageCache::skipMessage);
    } else {
        std::printf("du cold:              %8.1f ms\n", medianOf(coldDu));
        std::printf("unchanged, cold:      %8.1f ms  ratio %.2f\n", medianOf(coldRefresh), medianOf(coldRefresh) / medianOf(coldDu));
    }
    std::printf("peak memory:          %8.1f MB (target at most %.0f)\n", peakMegabytes(), targetMegabytes);
    return 0;
}
