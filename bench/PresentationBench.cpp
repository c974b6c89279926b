// The library list, the dashboard and the CSV export over a catalogue of 10,000 installs in
// 5,000 plug-ins, the size of a large studio's collection.

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

constexpr int pluginCount = 5'000;

class Catalogue {
public:
    Catalogue()
    {
        QString error;
        m_store = CatalogStore::open(m_dir.filePath(QStringLiteral("catalog.sqlite")), &error);
        if (!m_store)
            qFatal("%s", qPrintable(error));
        m_store->setAutosaveEnabled(false);
        fill();
    }

    [[nodiscard]] QList<PluginRecord*> records() const { return m_store->records(); }
    [[nodiscard]] QList<ContentLibraryFolder*> folders() const { return m_store->contentFolders(); }
    [[nodiscard]] QList<ContentLibraryItem*> items() const { return m_store->contentItems(); }

private:
    void fill()
    {
        static constexpr std::array publishers{"FabFilter", "Valhalla DSP", "Native Instruments", "u-he", "Soundtoys",
                                               "Arturia", "Waves", "iZotope", "Eventide", "Slate Digital",
                                               "Plugin Alliance", "Universal Audio", "Spectrasonics", "Xfer Records",
                                               "Tokyo Dawn Labs", "Goodhertz", "Kilohearts", "Baby Audio",
                                               "Cherry Audio", "Softube"};
        static constexpr std::array words{"Pro", "Vintage", "Tape", "Echo", "Room", "Plate", "Spring", "Bus",
                                          "Comp", "Limiter", "Saturator", "Phaser", "Chorus", "Filter", "Synth",
                                          "Keys", "Drums", "Bass", "Strings", "Pad"};
        static constexpr std::array formats{PluginFormat::au, PluginFormat::vst3, PluginFormat::clap,
                                            PluginFormat::vst, PluginFormat::aax};
        static constexpr std::array architectures{PluginArchitecture::universal, PluginArchitecture::arm64,
                                                  PluginArchitecture::x86_64, PluginArchitecture::unknown};
        const qint64 start = QDateTime(QDate(2019, 1, 1), QTime(9, 0), Qt::UTC).toMSecsSinceEpoch();
        for (int i = 0; i < pluginCount; ++i) {
            const QString name = QStringLiteral("%1 %2 %3")
                                     .arg(QLatin1StringView(words[std::size_t(i) % words.size()]),
                                          QLatin1StringView(words[std::size_t(i / 20) % words.size()]))
                                     .arg(i);
            auto* record = m_store->insert(
                new PluginRecord(name, QLatin1StringView(publishers[std::size_t(i) % publishers.size()])));
            record->setDisplayVersion(QStringLiteral("1.%1").arg(i % 10));
            if (i % 3 != 0)
                record->setCategory(QLatin1StringView(words[std::size_t(i * 7) % words.size()]));
            for (int copy = 0; copy < 2; ++copy) {
                const PluginFormat format = formats[std::size_t(i + copy) % formats.size()];
                auto* install = m_store->insert(new PluginInstall(
                    QStringLiteral("/Library/Audio/Plug-Ins/%1/%2.%3").arg(rawValue(format), name, rawValue(format)),
                    format));
                install->setBundleID(QStringLiteral("com.example.plugin%1").arg(i));
                install->setVersion(QStringLiteral("1.%1.%2").arg(i % 10).arg(copy));
                install->setArchitecture(architectures[std::size_t(i) % architectures.size()]);
                install->setFileSize(1'000'000 + qint64(i) * 4'321 + copy);
                // Loaded dates are local times, as the store reads them back.
                const qint64 offset = qint64(i % 1'500) * 86'400'000 + copy * 3'600'000;
                install->setDateModified(QDateTime::fromMSecsSinceEpoch(start + offset));
                install->setInstallDate(QDateTime::fromMSecsSinceEpoch(start + offset - 86'400'000));
                install->setGroup(record);
            }
        }
        for (int i = 0; i < 40; ++i) {
            auto* item = m_store->insert(new ContentLibraryItem);
            item->setName(QStringLiteral("Library %1").arg(i));
            item->setPublisher(QLatin1StringView(publishers[std::size_t(i) % publishers.size()]));
            item->setTotalBytes(qint64(i + 1) * 1'000'000'000);
        }
    }

    QTemporaryDir m_dir;
    std::unique_ptr<CatalogStore> m_store;
};

// Built once in main and gone before the application: the store needs it to close.
std::unique_ptr<Catalogue> g_catalogue;

Catalogue& catalogue()
{
    return *g_catalogue;
}

void updateLibrary(benchmark::State& state, const QString& search)
{
    const QList<PluginRecord*> records = catalogue().records();
    LibraryViewModel model;
    model.filterState()->setSearchText(search);
    for (auto _ : state) {
        model.update(records);
        benchmark::DoNotOptimize(model.sections().size());
    }
    state.counters["groups"] = model.totalGroupCount();
    state.counters["shown"] = model.shownGroupCount();
}

void BM_LibraryUpdate(benchmark::State& state)
{
    updateLibrary(state, {});
}

void BM_LibraryUpdateWithSearch(benchmark::State& state)
{
    updateLibrary(state, QStringLiteral("tape"));
}

void BM_DashboardCompute(benchmark::State& state)
{
    Catalogue& source = catalogue();
    const QList<PluginRecord*> records = source.records();
    DashboardViewModel model;
    for (auto _ : state) {
        model.compute(records, source.folders(), source.items());
        benchmark::DoNotOptimize(model.totalGroups());
    }
    state.counters["groups"] = model.totalGroups();
    state.counters["installs"] = model.totalInstalls();
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
BENCHMARK(BM_DashboardCompute)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CsvExport)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroupingAlone)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    g_catalogue = std::make_unique<Catalogue>();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_catalogue.reset();
    return 0;
}
