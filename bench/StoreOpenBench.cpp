#include "model/CatalogStore.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int recordCount = 5000;
constexpr int installsPerRecord = 2;

// Fills a store the way a refresh does: records with two installs each, a few tags.
void fill(CatalogStore& store)
{
    const QDateTime base(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC);
    QList<Tag*> tags;
    for (int t = 0; t < 10; ++t)
        tags.append(store.insert(new Tag(QStringLiteral("Tag %1").arg(t))));
    for (int i = 0; i < recordCount; ++i) {
        auto* record = store.insert(new PluginRecord(QStringLiteral("Plug-in %1").arg(i),
                                                     QStringLiteral("Publisher %1").arg(i % 97)));
        record->setDisplayVersion(QStringLiteral("1.%1").arg(i % 10));
        record->setCategory(QStringLiteral("Effect"));
        if (i % 50 == 0)
            record->addTag(tags[i % tags.size()]);
        for (int j = 0; j < installsPerRecord; ++j) {
            const PluginFormat format = j == 0 ? PluginFormat::au : PluginFormat::vst3;
            auto* install = store.insert(new PluginInstall(
                QStringLiteral("/Library/Audio/Plug-Ins/%1/Plug-in %2").arg(rawValue(format)).arg(i), format));
            install->setBundleID(QStringLiteral("com.publisher%1.plugin%2").arg(i % 97).arg(i));
            install->setVersion(QStringLiteral("1.%1.0").arg(i % 10));
            install->setArchitecture(PluginArchitecture::universal);
            install->setFileSize(1'000'000 + i);
            install->setDateModified(base.addSecs(i * 60));
            install->setInstallDate(base.addSecs(i * 30));
            install->setGroup(record);
        }
    }
}

std::unique_ptr<CatalogStore> openOrStop(const QString& path, benchmark::State& state)
{
    QString error;
    auto store = CatalogStore::open(path, &error);
    if (!store)
        state.SkipWithError(error.toUtf8().constData());
    return store;
}

void BM_OpenStore(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("catalog.sqlite"));
    {
        auto store = openOrStop(path, state);
        if (!store)
            return;
        fill(*store);
        if (!store->save())
            state.SkipWithError("save failed");
    }
    for (auto _ : state) {
        auto store = openOrStop(path, state);
        if (!store)
            return;
        benchmark::DoNotOptimize(store->installs().size());
        state.PauseTiming();
        store.reset();
        state.ResumeTiming();
    }
    state.counters["installs"] = recordCount * installsPerRecord;
}
BENCHMARK(BM_OpenStore)->Unit(benchmark::kMillisecond);

// One save that inserts every record and install, as the first refresh does.
void BM_SaveNewCatalogue(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        auto store = openOrStop(dir.filePath(QStringLiteral("catalog.sqlite")), state);
        if (!store)
            return;
        store->setAutosaveEnabled(false);
        fill(*store);
        state.ResumeTiming();
        if (!store->save())
            state.SkipWithError("save failed");
        state.PauseTiming();
        store.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SaveNewCatalogue)->Unit(benchmark::kMillisecond);

// One save that updates every record and install, as a refresh that touches everything does.
void BM_SaveUpdatedCatalogue(benchmark::State& state)
{
    QTemporaryDir dir;
    auto store = openOrStop(dir.filePath(QStringLiteral("catalog.sqlite")), state);
    if (!store)
        return;
    store->setAutosaveEnabled(false);
    fill(*store);
    if (!store->save())
        state.SkipWithError("save failed");
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ++round;
        for (PluginRecord* record : store->records())
            record->setDisplayVersion(QStringLiteral("2.%1").arg(round));
        for (PluginInstall* install : store->installs())
            install->setFileSize(install->fileSize() + 1);
        state.ResumeTiming();
        if (!store->save())
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveUpdatedCatalogue)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
