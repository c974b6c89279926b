// The library list, the dashboard and the CSV export over a catalogue of 10,000 installs in
// 5,000 plug-ins, the size of a large studio's collection.

#include "LargeCatalogue.h"

#include "model/CatalogStore.h"
#include "presentation/DashboardViewModel.h"
#include "presentation/LibraryExporter.h"
#include "presentation/InstantCache.h"
#include "presentation/LibraryViewModel.h"
#include "presentation/MakeRawPlugin.h"
#include "presentation/PluginGrouper.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <array>
#include <memory>

namespace {

// Built once in main and gone before the application: the store needs it to close.
std::unique_ptr<LargeCatalogue> g_catalogue;

LargeCatalogue& catalogue()
{
    return *g_catalogue;
}

// update() over an unchanged catalogue: the rows are read and compared, the groups kept.
void updateLibrary(benchmark::State& state, const QString& search)
{
    const QList<PluginRecord*> records = catalogue().records();
    LibraryViewModel model;
    model.filterState()->setSearchText(search);
    model.update(records);
    for (auto _ : state) {
        model.update(records);
        benchmark::DoNotOptimize(model.sections().size());
    }
    state.counters["groups"] = model.totalGroupCount();
    state.counters["shown"] = model.shownGroupCount();
    state.counters["groupings"] = model.groupingCount();
}

void BM_LibraryUpdate(benchmark::State& state)
{
    updateLibrary(state, {});
}

void BM_LibraryUpdateWithSearch(benchmark::State& state)
{
    updateLibrary(state, QStringLiteral("tape"));
}

// update() after one install changed size: everything is grouped again.
void BM_LibraryUpdateAfterAnEdit(benchmark::State& state)
{
    const QList<PluginRecord*> records = catalogue().records();
    PluginInstall* install = records.front()->installs().front();
    LibraryViewModel model;
    model.update(records);
    for (auto _ : state) {
        install->setFileSize(install->fileSize() ^ 1);
        model.update(records);
        benchmark::DoNotOptimize(model.sections().size());
    }
    state.counters["groupings"] = model.groupingCount();
}

// One character typed into the search (or taken back), as the window applies it.
void BM_LibraryKeystroke(benchmark::State& state)
{
    LibraryViewModel model;
    model.update(catalogue().records());
    FilterState& filter = *model.filterState();
    filter.setSearchText(QStringLiteral("tap"));
    model.refilter();
    bool longer = true;
    for (auto _ : state) {
        filter.setSearchText(longer ? QStringLiteral("tape") : QStringLiteral("tap"));
        longer = !longer;
        model.refilter();
        benchmark::DoNotOptimize(model.sections().size());
    }
    state.counters["groupings"] = model.groupingCount();
}

void BM_DashboardCompute(benchmark::State& state)
{
    LargeCatalogue& source = catalogue();
    const QList<PluginRecord*> records = source.records();
    DashboardViewModel model;
    for (auto _ : state) {
        model.compute(records, source.folders(), source.items());
        benchmark::DoNotOptimize(model.totalGroups());
    }
    state.counters["groups"] = model.totalGroups();
    state.counters["installs"] = model.totalInstalls();
    state.counters["groupings"] = model.groupingCount();
}

// compute() after one install changed size.
void BM_DashboardComputeAfterAnEdit(benchmark::State& state)
{
    LargeCatalogue& source = catalogue();
    const QList<PluginRecord*> records = source.records();
    PluginInstall* install = records.front()->installs().front();
    DashboardViewModel model;
    for (auto _ : state) {
        install->setFileSize(install->fileSize() ^ 1);
        model.compute(records, source.folders(), source.items());
        benchmark::DoNotOptimize(model.totalGroups());
    }
    state.counters["groupings"] = model.groupingCount();
}

void BM_CsvExport(benchmark::State& state)
{
    LibraryViewModel model;
    model.update(catalogue().records());
    for (auto _ : state) {
        const QString csv =
            LibraryExporter::csvText(LibraryExporter::exportedRecords(model.sections(), model.recordLookup()));
        benchmark::DoNotOptimize(csv.size());
    }
}

// The share of update and compute that grouping takes: the rows of every found install, grouped.
void BM_GroupingAlone(benchmark::State& state)
{
    InstantCache instants;
    QList<RawPlugin> rows;
    for (const PluginRecord* record : catalogue().records())
        appendRawPlugins(*record, rows, instants);
    const PluginGrouper grouper;
    for (auto _ : state)
        benchmark::DoNotOptimize(grouper.group(rows).size());
}

BENCHMARK(BM_LibraryUpdate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LibraryUpdateWithSearch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LibraryUpdateAfterAnEdit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LibraryKeystroke)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DashboardCompute)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DashboardComputeAfterAnEdit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CsvExport)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroupingAlone)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    g_catalogue = std::make_unique<LargeCatalogue>();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_catalogue.reset();
    return 0;
}
