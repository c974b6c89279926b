// Scans a folder holding one bundle whose Info.plist is built to hurt the reader, for each such
// shape at the size that used to crash or hang the scan, and prints the scan time against the
// one-second target.

#include "../tests/support/HostilePlists.h"

#include "discovery/FolderBookmark.h"
#include "discovery/PluginScanner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

constexpr double targetSeconds = 1.0;

struct Shape {
    const char* name;
    std::function<QByteArray()> build;
};

const Shape shapes[] = {
    {"deep_100000_levels", [] { return HostilePlists::deepArrays(100'000); }},
    {"200_references_to_4MB", [] { return HostilePlists::sharedString(200, 4 * 1024 * 1024); }},
    {"1000000_keys_of_4MB", [] { return HostilePlists::manyKeys(1'000'000, 4 * 1024 * 1024); }},
    {"2^40_leaves", [] { return HostilePlists::doublingChain(40); }},
};

std::unique_ptr<QTemporaryDir> dir;

QString writeShape(const Shape& shape)
{
    const QString folder = dir->filePath(QString::fromLatin1(shape.name));
    const QString contents = folder + QStringLiteral("/Hostile.vst3/Contents");
    QDir().mkpath(contents);
    QFile file(contents + QStringLiteral("/Info.plist"));
    const QByteArray bytes = shape.build();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return folder;
}

void scanShape(benchmark::State& state, const QString& folder)
{
    const QMap<QString, QByteArray> grants{{folder, FolderBookmark::create(folder)}};
    PluginScanner scanner(ScanRoots{dir->filePath(QStringLiteral("none")), dir->filePath(QStringLiteral("none"))});
    qsizetype found = 0;
    for (auto _ : state) {
        QFuture<PluginScanResult> future = scanner.scan(grants);
        future.waitForFinished();
        found = future.result().plugins.size();
    }
    state.counters["bundles_found"] = double(found);
}

class TargetReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const double seconds = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            std::printf("%s: %.3f s per scan (target < %.1f s): %s\n", run.benchmark_name().c_str(), seconds,
                        targetSeconds, seconds < targetSeconds ? "met" : "MISSED");
        }
    }
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    dir = std::make_unique<QTemporaryDir>();
    for (const Shape& shape : shapes) {
        const QString folder = writeShape(shape);
        if (folder.isEmpty()) {
            std::fprintf(stderr, "cannot write %s\n", shape.name);
            return 1;
        }
        benchmark::RegisterBenchmark(shape.name, scanShape, folder)->Unit(benchmark::kMillisecond)->UseRealTime();
    }
    TargetReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    dir.reset();
    return 0;
}
