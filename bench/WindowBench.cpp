// Times the library window, drawn offscreen, on a catalogue of 5,000 plug-ins / 10,000 installs:
// from the moment the search text reaches the filter (as the search delay hands it on) or a
// filter chip is pressed, to the next frame that shows the new list. Target: one frame, 16 ms.
// A requested frame is drawn after the platform's 5 ms idle timer (QT_QPA_UPDATE_IDLE_TIME), which
// is part of every figure: a keystroke that changes few rows measures about that.

#include "LargeCatalogue.h"
#include "NextFrame.h"

#include "ui/DesktopSession.h"
#include "ui/LibraryController.h"
#include "ui/ZuzuzeVizozodApp.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>

namespace {

QQuickWindow* g_window = nullptr;
LibraryController* g_controller = nullptr;

// Seconds from the change to the end of the next frame swapped after it.
double untilNextFrame(const std::function<void()>& change)
{
    QElapsedTimer timer;
    timer.start();
    const qint64 swappedAt = nextFrameSwappedAt(g_window, timer, change);
    return swappedAt >= 0 ? double(swappedAt) / 1e9 : 5.0;
}

// Alternates between two states, timing each switch.
void alternate(benchmark::State& state, const std::function<void(bool)>& apply)
{
    bool first = true;
    for (auto _ : state) {
        state.SetIterationTime(untilNextFrame([&] { apply(first); }));
        first = !first;
    }
    apply(false);
    untilNextFrame([] {});
    state.counters["rows"] = g_controller->listModel()->count();
}

void BM_KeystrokeToFrame(benchmark::State& state)
{
    alternate(state, [](bool longer) {
        g_controller->filterState()->setSearchText(longer ? QStringLiteral("tape") : QStringLiteral("tap"));
    });
}

void BM_FirstCharacterToFrame(benchmark::State& state)
{
    alternate(state, [](bool typed) { g_controller->filterState()->setSearchText(typed ? QStringLiteral("t") : QString()); });
}

void BM_FormatChipToFrame(benchmark::State& state)
{
    alternate(state, [](bool) { g_controller->activateChip(QStringLiteral("VST3")); });
}

BENCHMARK(BM_KeystrokeToFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(40);
BENCHMARK(BM_FirstCharacterToFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(40);
BENCHMARK(BM_FormatChipToFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(40);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    QTemporaryDir folder;
    const QString storePath = folder.filePath(QStringLiteral("catalog.sqlite"));
    {
        LargeCatalogue catalogue(storePath);
    }
    DesktopSession session(DesktopOptions{storePath, ScanRoots{folder.path(), folder.filePath(QStringLiteral("home"))}, false, {}},
                           folder.filePath(QStringLiteral("settings.ini")));
    QString error;
    if (!session.start(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    g_window = session.app()->windows().first();
    g_window->resize(1080, 760);
    if (!QTest::qWaitForWindowExposed(g_window))
        return 1;
    g_controller = g_window->property("libraryView").value<QObject*>()->property("controller").value<LibraryController*>();
    if (!g_controller) {
        std::fprintf(stderr, "The library view has no controller\n");
        return 1;
    }
    QTest::qWait(500);
    std::printf("Library: %d rows shown\n", g_controller->listModel()->count());

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
