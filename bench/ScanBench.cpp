// Times a scan of the large sample tree (2,000 bundles of about 100 files each) against
// `du -s --apparent-size` over the same folders, warm and, when running as root, cold (the page
// cache dropped before each run), and prints the ratios.

#include "PageCache.h"

#include "discovery/FolderBookmark.h"
#include "discovery/PluginScanner.h"
#include "sample/DemoLibrary.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

constexpr int bundleCount = 2'000;
constexpr double target = 0.6;
constexpr double coldTarget = 0.8;

struct Tree {
    QTemporaryDir dir;
    QString root;
    QStringList folders;
    QMap<QString, QByteArray> grants;
};

std::unique_ptr<Tree> tree;

QList<ScannedPlugin> scanOnce(PluginScanner& scanner) {
    QFuture<PluginScanResult> future = scanner.scan(tree->grants);
    future.waitForFinished();
    return future.resultCount() > 0 ? future.result().plugins : QList<ScannedPlugin>();
}

bool duOnce() {
    QProcess du;
    du.setStandardOutputFile(QProcess::nullDevice());
    du.start(QStringLiteral("du"),
             QStringList{QStringLiteral("-s"), QStringLiteral("--apparent-size")} + tree->folders);
    return du.waitForFinished(-1) && du.exitStatus() == QProcess::NormalExit && du.exitCode() == 0;
}

void scan(benchmark::State& state) {
    PluginScanner scanner(ScanRoots{tree->root, DemoLibrary::homeFolder(tree->root)});
    qsizetype found = 0;
    for (auto _ : state) {
        const QList<ScannedPlugin> plugins = scanOnce(scanner);
        found = plugins.size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["bundles"] = double(found);
}

void du(benchmark::State& state) {
    for (auto _ : state) {
        if (!duOnce()) {
            state.SkipWithError("du failed");
            break;
        }
    }
}

// Each run starts with nothing cached; the dropping is not timed.
void cold(benchmark::State& state, bool scanning) {
    PluginScanner scanner(ScanRoots{tree->root, DemoLibrary::homeFolder(tree->root)});
    for (auto _ : state) {
        state.PauseTiming();
        const bool dropped = PageCache::drop();
        state.ResumeTiming();
        if (!dropped) {
            state.SkipWithError(PageCache::skipMessage);
            break;
        }
        if (scanning)
            benchmark::DoNotOptimize(scanOnce(scanner).size());
        else if (!duOnce()) {
            state.SkipWithError("du failed");
            break;
        }
    }
}

BENCHMARK(scan)->Name("scan")->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(du)->Name("du --apparent-size")->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK_CAPTURE(cold, scan, true)->Name("scan cold")->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK_CAPTURE(cold, du, false)->Name("du --apparent-size cold")->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// Keeps each benchmark's mean wall time so the ratio can be printed after the table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(::isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            m_realTimes[run.run_name.function_name] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    double realTime(const std::string& name) const {
        const auto it = m_realTimes.find(name);
        return it == m_realTimes.end() ? 0.0 : it->second;
    }

private:
    std::map<std::string, double> m_realTimes;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);

    tree = std::make_unique<Tree>();
    tree->root = tree->dir.filePath(QStringLiteral("library"));
    QElapsedTimer timer;
    timer.start();
    DemoLibrary::Options options;
    options.bundles = bundleCount;
    const DemoLibrary::Result written = DemoLibrary::write(tree->root, options);
    if (!written.ok) {
        std::fprintf(stderr, "%s\n", qPrintable(written.error));
        return 1;
    }
    tree->folders = DemoLibrary::pluginFolders(tree->root);
    for (const QString& folder : tree->folders)
        tree->grants.insert(folder, FolderBookmark::create(folder));
    std::printf("Sample tree: %d bundles, %lld files, written in %lld ms\n", written.bundles, written.files,
                timer.elapsed());

    // Warm the caches for both sides.
    PluginScanner warmer(ScanRoots{tree->root, DemoLibrary::homeFolder(tree->root)});
    std::printf("Warm-up scan found %lld bundles\n", static_cast<long long>(scanOnce(warmer).size()));
    if (!duOnce()) {
        std::fprintf(stderr, "du --apparent-size failed\n");
        return 1;
    }

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const double scanTime = reporter.realTime("scan");
    const double duTime = reporter.realTime("du --apparent-size");
    if (scanTime > 0 && duTime > 0)
        std::printf("scan / du = %.2f (target at most %.1f)\n", scanTime / duTime, target);
    const double coldScan = reporter.realTime("scan cold");
    const double coldDu = reporter.realTime("du --apparent-size cold");
    if (coldScan > 0 && coldDu > 0)
        std::printf("cold: scan / du = %.2f (target at most %.1f)\n", coldScan / coldDu, coldTarget);
    else
        std::printf("%s\n", PageCache::skipMessage);
    tree.reset();
    return 0;
}
