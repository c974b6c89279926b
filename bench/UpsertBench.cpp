// Upsert of one large scan, saves included: into an empty catalogue, and again into the
// catalogue that already holds it (the common refresh).

#include "model/CatalogStore.h"
#include "model/Diagnostics.h"
#include "store/UpsertCoordinator.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <memory>

namespace {

constexpr int productCount = 2500;

// 50 × 50 distinct product names; the makers include spellings of the known-publisher table.
constexpr std::array<const char*, 50> adjectives{
    "Velvet", "Crystal", "Analog", "Vintage", "Modern", "Warm",  "Bright", "Deep",  "Silver", "Golden",
    "Echo",   "Plasma",  "Neon",   "Urban",   "Glass",  "Iron",  "Copper", "Dusty", "Lunar",  "Solar",
    "Arctic", "Desert",  "Ocean",  "Forest",  "Storm",  "Quiet", "Royal",  "Rapid", "Hyper",  "Micro",
    "Mega",   "Retro",   "Nova",   "Prime",   "Pure",   "Raw",   "Smooth", "Wild",  "Tiny",   "Giant",
    "Twin",   "Triple",  "Magic",  "Sonic",   "Tube",   "Tape",  "Spring", "Plate", "Room",   "Hall"};
constexpr std::array<const char*, 50> nouns{
    "Compressor", "Limiter",   "Reverb",   "Delay",   "Chorus",  "Flanger",   "Phaser",   "Equalizer",
    "Filter",     "Saturator", "Synth",    "Sampler", "Drums",   "Bass",      "Keys",     "Strings",
    "Pads",       "Gate",      "Expander", "Exciter", "Tremolo", "Vibrato",   "Vocoder",  "Tuner",
    "Meter",      "Analyzer",  "Imager",   "Widener", "Clipper", "Maximizer", "Channel",  "Console",
    "Preamp",     "Amp",       "Cabinet",  "Pedal",   "Looper",  "Glitch",    "Granular", "Shimmer",
    "Echoes",     "Organ",     "Piano",    "Choir",   "Brass",   "Lead",      "Arp",      "Sequencer",
    "Modulator",  "Resonator"};
constexpr std::array<const char*, 24> makers{"Aurora Audio",
                                             "Bluefin DSP, LLC",
                                             "Cobalt Sound Inc.",
                                             "Driftwood",
                                             "Ember Instruments",
                                             "Fjord Audio GmbH",
                                             "Granite Labs",
                                             "Harbor Plugins",
                                             "Indigo Sound Co.",
                                             "Juniper Audio",
                                             "Kestrel DSP",
                                             "Lantern Music",
                                             "Valhalla DSP, LLC",
                                             "Moog",
                                             "Yamaha Corporation",
                                             "Audio Damage, Inc.",
                                             "Cherryaudio",
                                             "Universal Audio (UADx)",
                                             "Xilslab",
                                             "Polyverse",
                                             "Nimbus Audio Ltd",
                                             "Orchid Sound",
                                             "Pinnacle Audio",
                                             "Quartz Instruments"};

struct SecondFormat {
    PluginFormat format;
    const char* folder;
    const char* extension;
    const char* nameSuffix;
};
constexpr std::array<SecondFormat, 4> secondFormats{{{PluginFormat::au, "Components", "component", " AU"},
                                                     {PluginFormat::clap, "CLAP", "clap", ""},
                                                     {PluginFormat::vst, "VST", "vst", " VST"},
                                                     {PluginFormat::aax, "AAX", "aaxplugin", ""}}};

ScannedPlugin makePlugin(int product, const QString& name, const QString& maker, PluginFormat format,
                         const QString& path) {
    ScannedPlugin plugin;
    plugin.name = name;
    plugin.publisher = maker;
    plugin.version = QStringLiteral("%1.%2.%3").arg(1 + product % 4).arg(product % 12).arg(product % 7);
    plugin.format = format;
    plugin.architecture = allCases<PluginArchitecture>()[std::size_t(product % 4)];
    plugin.filePath = path;
    plugin.bundleID = QStringLiteral("com.example.plugin%1").arg(product);
    plugin.fileSize = 250'000 + qint64(product) * 7919 % 90'000'000;
    plugin.dateModified = QDateTime(QDate(2020, 1, 1).addDays(product % 1800), QTime(12, 0), Qt::UTC);
    plugin.installDate = plugin.dateModified.addDays(-(product % 30));
    if (product % 3 == 0)
        plugin.category = QStringLiteral("Effect");
    if (format == PluginFormat::au) {
        plugin.auComponentType = QStringLiteral("aufx");
        plugin.auComponentSubType = QStringLiteral("P%1").arg(product % 1000, 3, 10, QLatin1Char('0'));
        plugin.auComponentManufacturer = QStringLiteral("Exmp");
    }
    return plugin;
}

// 2,500 products in two formats each: every one as VST3, and one other format in turn.
const QList<ScannedPlugin>& scan() {
    static const QList<ScannedPlugin> plugins = [] {
        QList<ScannedPlugin> list;
        list.reserve(productCount * 2);
        for (int product = 0; product < productCount; ++product) {
            const QString name =
                QStringLiteral("%1 %2").arg(QLatin1StringView(adjectives[std::size_t(product % 50)]),
                                            QLatin1StringView(nouns[std::size_t(product / 50)]));
            const QString maker = QLatin1StringView(makers[std::size_t(product * 7 % int(makers.size()))]);
            list.append(makePlugin(product, name, maker, PluginFormat::vst3,
                                   QStringLiteral("/Library/Audio/Plug-Ins/VST3/%1.vst3").arg(name)));
            const SecondFormat& other = secondFormats[std::size_t(product % int(secondFormats.size()))];
            list.append(makePlugin(
                product, name + QLatin1StringView(other.nameSuffix), maker, other.format,
                QStringLiteral("/Library/Audio/Plug-Ins/%1/%2.%3")
                    .arg(QLatin1StringView(other.folder), name, QLatin1StringView(other.extension))));
        }
        return list;
    }();
    return plugins;
}

std::unique_ptr<CatalogStore> openStore(const QString& path, benchmark::State& state) {
    QString error;
    std::unique_ptr<CatalogStore> store = CatalogStore::open(path, &error);
    if (!store) {
        state.SkipWithError(error.toStdString().c_str());
        return nullptr;
    }
    store->setAutosaveEnabled(false);
    return store;
}

void upsertOrFail(CatalogStore& store, benchmark::State& state) {
    UpsertSummary summary;
    const StoreResult result = UpsertCoordinator().upsert(scan(), store, &summary);
    if (!result)
        state.SkipWithError(result.errorDescription().toStdString().c_str());
    state.counters["recordsCreated"] = summary.recordsCreated;
    state.counters["installsCreated"] = summary.installsCreated;
}

void BM_UpsertIntoEmptyStore(benchmark::State& state) {
    (void)scan();
    QTemporaryDir dir;
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<CatalogStore> store =
            openStore(dir.filePath(QStringLiteral("catalog-%1.sqlite").arg(round++)), state);
        state.ResumeTiming();
        if (!store)
            break;
        upsertOrFail(*store, state);
        state.PauseTiming();
        store.reset();
        QCoreApplication::sendPostedEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UpsertIntoEmptyStore)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_UpsertIntoStoreHoldingIt(benchmark::State& state) {
    (void)scan();
    QTemporaryDir dir;
    std::unique_ptr<CatalogStore> store = openStore(dir.filePath(QStringLiteral("catalog.sqlite")), state);
    if (!store)
        return;
    upsertOrFail(*store, state);
    for (auto _ : state)
        upsertOrFail(*store, state);
}
BENCHMARK(BM_UpsertIntoStoreHoldingIt)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // The coordinator's diagnostic lines would interleave with the table.
    std::FILE* quiet = std::fopen("/dev/null", "w");
    Diagnostics::setStream(quiet);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Diagnostics::setStream(nullptr);
    if (quiet)
        std::fclose(quiet);
    return 0;
}
