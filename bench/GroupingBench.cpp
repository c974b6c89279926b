#include "model/RowDateFormat.h"
#include "presentation/PluginGrouper.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QStringList>

#include <benchmark/benchmark.h>

#include <random>

namespace {

// A catalogue of about 2,500 products in up to five formats each, with the usual noise: format
// suffixes on names, maker prefixes, bundles that name no maker, and products whose names extend
// another's.
QList<RawPlugin> syntheticRows(int count)
{
    const QStringList publishers{QStringLiteral("FabFilter"),
                                 QStringLiteral("Valhalla DSP, LLC"),
                                 QStringLiteral("Native Instruments"),
                                 QStringLiteral("Soundtoys"),
                                 QStringLiteral("u-he"),
                                 QStringLiteral("Audio Damage, Inc."),
                                 QStringLiteral("Universal Audio (UADx)"),
                                 QStringLiteral("Arturia"),
                                 QStringLiteral("Xfer Records"),
                                 QStringLiteral("Cherry Audio"),
                                 QStringLiteral("Tokyo Dawn Labs"),
                                 QStringLiteral("Plugin Alliance")};
    const QStringList first{QStringLiteral("Pro"),     QStringLiteral("Vintage"), QStringLiteral("Echo"),
                            QStringLiteral("Space"),   QStringLiteral("Tape"),    QStringLiteral("Über"),
                            QStringLiteral("Crystal"), QStringLiteral("Decap"),   QStringLiteral("Mono"),
                            QStringLiteral("Shimmer"), QStringLiteral("Éclat"),   QStringLiteral("Nova")};
    const QStringList second{QStringLiteral("Verb"),   QStringLiteral("Delay"),  QStringLiteral("Comp"),
                             QStringLiteral("Q"),      QStringLiteral("Synth"),  QStringLiteral("Drive"),
                             QStringLiteral("Phaser"), QStringLiteral("Chorus"), QStringLiteral("EQ"),
                             QStringLiteral("Limiter")};
    const QStringList types{QStringLiteral("AU"), QStringLiteral("VST"), QStringLiteral("VST3"),
                            QStringLiteral("AAX"), QStringLiteral("CLAP")};
    const QStringList suffixes{QString(), QStringLiteral(" AU"), QString(), QStringLiteral(" VST3"),
                               QStringLiteral("_x64")};
    const QStringList archs{QStringLiteral("Apple Silicon, Intel 64"), QStringLiteral("Intel 64"),
                            QStringLiteral("Apple Silicon")};

    std::mt19937 random(20261206);
    const QDateTime base(QDate(2015, 1, 1), QTime(0, 0), Qt::UTC);
    QList<RawPlugin> rows;
    rows.reserve(count);
    for (int product = 0; rows.size() < count; ++product) {
        const QString& publisher = publishers[product % publishers.size()];
        QString name = first[(product / 7) % first.size()] + u' ' + second[product % second.size()];
        if (product >= 120)
            name += u' ' + QString::number(product / 120);
        if (product % 9 == 0)
            name = publisher.section(u' ', 0, 0) + u' ' + name;
        const bool noMaker = product % 13 == 0;
        const int formats = 1 + int(random() % 5);
        for (int format = 0; format < formats && rows.size() < count; ++format) {
            RawPlugin row;
            row.name = name + suffixes[(product + format) % suffixes.size()];
            row.publisher = noMaker ? name : publisher;
            row.version = QStringLiteral("%1.%2.%3").arg(1 + product % 4).arg(format).arg(product % 10);
            row.type = types[format];
            row.archs = archs[random() % archs.size()];
            row.dated = formatRowDate(base.addDays(random() % 4000));
            row.installed = formatRowDate(base.addDays(random() % 4000));
            row.size = QString::number(qint64(random() % 400'000'000));
            row.pluginID = QStringLiteral("com.example.p%1").arg(product);
            row.path = QStringLiteral("/Library/Audio/Plug-Ins/%1/%2.%3")
                           .arg(types[format], row.name, types[format].toLower());
            rows.append(row);
        }
    }
    return rows;
}

void BM_GroupTenThousandRows(benchmark::State& state)
{
    const QList<RawPlugin> rows = syntheticRows(int(state.range(0)));
    const PluginGrouper grouper;
    qsizetype groups = 0;
    for (auto _ : state) {
        const QList<PluginGroup> result = grouper.group(rows);
        groups = result.size();
        benchmark::DoNotOptimize(result.data());
    }
    state.counters["groups"] = double(groups);
}

BENCHMARK(BM_GroupTenThousandRows)->Arg(10'000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
