// Times an unchanged refresh of the large sample library (2,000 bundles and the content folders)
// as the command line runs it (its refresh driver on a catalogue of its own) and as the window
// runs it (Refresh Library in the real window, drawn offscreen, its dashboard loaded), up to the
// frame that shows the updated list; and `du -s --apparent-size` over the same folders, all warm.
// Target: the window at most 1.1 × the command line. Also counts how often one refresh in the
// window rebuilt the list and recomputed the dashboard (expected: once each). An argument names
// a library written earlier by `demo-library DIR --bundles 2000`, used instead of a new one.

#include "GrantedLibrary.h"
#include "NextFrame.h"

#include "cli/RefreshRun.h"
#include "ui/DashboardController.h"
#include "ui/DesktopSession.h"
#include "ui/LibraryController.h"
#include "ui/ZuzuzeVizozodApp.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <ctime>

namespace {

constexpr int runs = 5;
constexpr double targetRatio = 1.1;

// Milliseconds of processor time used by every thread of this process so far: on a busy machine
// it tells two versions apart where the wall clock cannot.
double processorMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double commandLineRefresh(const QString& storePath, const GrantedLibrary& library)
{
    QString error;
    const auto store = CatalogStore::open(storePath, &error);
    if (!store)
        return -1;
    QElapsedTimer timer;
    timer.start();
    const RefreshRun refresh = RefreshRun::run(*store, library.roots());
    const double elapsed = double(timer.nsecsElapsed()) / 1e6;
    return refresh.error.isEmpty() ? elapsed : -1;
}

class WindowRefresh {
public:
    explicit WindowRefresh(QQuickWindow* window)
        : m_window(window)
        , m_pluginStore(window->property("pluginStore").value<PluginStore*>())
        , m_library(window->property("libraryView").value<QObject*>()->property("controller").value<LibraryController*>())
        , m_dashboard(window->findChild<DashboardController*>())
    {
    }

    [[nodiscard]] bool isValid() const { return m_pluginStore && m_library && m_dashboard; }

    // Milliseconds from Refresh Library to the frame that shows its outcome, or -1.
    double once()
    {
        // The event loop waits as the application's does: spinning would take a core from the scan.
        QEventLoop loop;
        bool finished = false;
        const auto connection = QObject::connect(m_pluginStore, &PluginStore::refreshFinished, &loop, [&] {
            finished = true;
            loop.quit();
        });
        QTimer::singleShot(60'000, &loop, &QEventLoop::quit);
        int frames = 0;
        const auto frameCounter = QObject::connect(m_window, &QQuickWindow::frameSwapped, &loop, [&] { ++frames; },
                                                   Qt::DirectConnection);
        const int rebuildsBefore = m_library->rebuildCount();
        const int computesBefore = m_dashboard->computeCount();
        QElapsedTimer timer;
        timer.start();
        ZuzuzeVizozodApp::instance()->refreshLibrary();
        if (!finished)
            loop.exec();
        QObject::disconnect(connection);
        m_finishedAfter = double(timer.nsecsElapsed()) / 1e6;
        // What the end of the refresh set off may take a few turns: wait for the frame after
        // which nothing more changes.
        double elapsed = untilNextFrame(timer);
        for (int counts = changes(); elapsed >= 0; counts = changes()) {
            const double next = untilNextFrame(timer);
            if (changes() == counts)
                break;
            elapsed = next;
        }
        QObject::disconnect(frameCounter);
        m_frames = frames;
        m_rebuilds = m_library->rebuildCount() - rebuildsBefore;
        m_computes = m_dashboard->computeCount() - computesBefore;
        return finished && m_pluginStore->lastError().isEmpty() ? elapsed : -1;
    }

    [[nodiscard]] double finishedAfter() const { return m_finishedAfter; }
    [[nodiscard]] int rebuilds() const { return m_rebuilds; }
    // Frames drawn from Refresh Library to the one that shows its outcome.
    [[nodiscard]] int frames() const { return m_frames; }
    [[nodiscard]] int computes() const { return m_computes; }

private:
    [[nodiscard]] int changes() const { return m_library->rebuildCount() + m_dashboard->computeCount(); }

    double untilNextFrame(const QElapsedTimer& timer)
    {
        const qint64 swappedAt = nextFrameSwappedAt(m_window, timer);
        return swappedAt >= 0 ? double(swappedAt) / 1e6 : -1;
    }

    QQuickWindow* m_window;
    PluginStore* m_pluginStore;
    LibraryController* m_library;
    DashboardController* m_dashboard;
    double m_finishedAfter = 0;
    int m_rebuilds = 0;
    int m_computes = 0;
    int m_frames = 0;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QTemporaryDir dir;
    GrantedLibrary library;
    if (argc > 1)
        library.reuse(QString::fromLocal8Bit(argv[1]));
    else if (!dir.isValid() || !library.write(dir.filePath(QStringLiteral("library"))))
        return 1;
    const QString storePath = dir.filePath(QStringLiteral("catalog.sqlite"));
    if (!library.grantedStore(storePath) || commandLineRefresh(storePath, library) < 0 || library.duOnce() < 0) {
        std::fprintf(stderr, "the first refresh or du failed\n");
        return 1;
    }

    // The window keeps its catalogue open; the command line opens the same file beside it.
    DesktopSession session(DesktopOptions{storePath, library.roots(), false, {}}, dir.filePath(QStringLiteral("settings.ini")));
    QString error;
    if (!session.start(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    QQuickWindow* window = session.app()->windows().first();
    window->resize(1080, 760);
    window->setProperty("selectedTab", QStringLiteral("Dashboard"));
    window->setProperty("selectedTab", QStringLiteral("Library"));
    if (!QTest::qWaitForWindowExposed(window))
        return 1;
    QTest::qWait(500);
    WindowRefresh windowRefresh(window);
    if (!windowRefresh.isValid()) {
        std::fprintf(stderr, "the window has no refresh driver, library or dashboard\n");
        return 1;
    }

    QList<double> commandLine, finished, shown, du, commandLineProcessor, windowProcessor, frames;
    int rebuilds = 0, computes = 0;
    for (int run = 0; run <= runs; ++run) {
        const double beforeCommandLine = processorMilliseconds();
        const double cli = commandLineRefresh(storePath, library);
        const double beforeWindow = processorMilliseconds();
        const double inWindow = windowRefresh.once();
        const double afterWindow = processorMilliseconds();
        const double measured = library.duOnce();
        if (cli < 0 || inWindow < 0 || measured < 0) {
            std::fprintf(stderr, "a refresh or du failed\n");
            return 1;
        }
        if (run == 0)
            continue; // warm-up
        commandLine.append(cli);
        finished.append(windowRefresh.finishedAfter());
        shown.append(inWindow);
        du.append(measured);
        commandLineProcessor.append(beforeWindow - beforeCommandLine);
        windowProcessor.append(afterWindow - beforeWindow);
        frames.append(windowRefresh.frames());
        rebuilds = std::max(rebuilds, windowRefresh.rebuilds());
        computes = std::max(computes, windowRefresh.computes());
    }

    const double cliTime = medianOf(commandLine);
    std::printf("du --apparent-size:          %8.1f ms\n", medianOf(du));
    std::printf("command line, unchanged:     %8.1f ms  ratio to du %.2f\n", cliTime, cliTime / medianOf(du));
    std::printf("window, unchanged, finished: %8.1f ms\n", medianOf(finished));
    std::printf("window, unchanged, to frame: %8.1f ms  ratio to the command line %.2f (target at most %.1f)\n",
                medianOf(shown), medianOf(shown) / cliTime, targetRatio);
    std::printf("processor time, all threads: %8.1f ms command line, %.1f ms window (%.2f)\n",
                medianOf(commandLineProcessor), medianOf(windowProcessor),
                medianOf(windowProcessor) / medianOf(commandLineProcessor));
    std::printf("window, per refresh at most: %d list rebuilds, %d dashboard computations; %.0f frames drawn\n",
                rebuilds, computes, medianOf(frames));
    return 0;
}
