// Times a scan of 1,000 generated LV2 bundles (one to five plug-ins each, descriptions in seeAlso
// files) in a system's /usr/lib/lv2, against `lv2ls -n` over the same folder (LV2_PATH), in the
// same run, both warm; prints the best and the median of each and the ratio of the best.

#include "discovery/FolderBookmark.h"
#include "discovery/PluginScanner.h"
#include "sample/LinuxDemoTree.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int bundleCount = 1'000;
constexpr int runs = 9;
constexpr double targetRatio = 1.5;

struct Timed {
    double milliseconds = -1;
    qsizetype plugins = 0;
};

Timed scanOnce(PluginScanner& scanner, const QMap<QString, QByteArray>& grants)
{
    QElapsedTimer timer;
    timer.start();
    QFuture<PluginScanResult> future = scanner.scan(grants);
    future.waitForFinished();
    const double elapsed = double(timer.nsecsElapsed()) / 1e6;
    return {elapsed, future.resultCount() > 0 ? future.result().plugins.size() : 0};
}

Timed lv2lsOnce(const QString& folder)
{
    QProcess lv2ls;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LV2_PATH"), folder);
    lv2ls.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    lv2ls.start(QStringLiteral("lv2ls"), {QStringLiteral("-n")});
    const bool ok = lv2ls.waitForFinished(-1) && lv2ls.exitStatus() == QProcess::NormalExit && lv2ls.exitCode() == 0;
    const double elapsed = double(timer.nsecsElapsed()) / 1e6;
    if (!ok)
        return {};
    return {elapsed, lv2ls.readAllStandardOutput().count('\n')};
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

double best(const QList<double>& values)
{
    return values.isEmpty() ? 0 : *std::min_element(values.begin(), values.end());
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QString root = dir.filePath(QStringLiteral("system"));
    const QString folder = root + QStringLiteral("/usr/lib/lv2");
    QSet<QString> usedNames;
    qsizetype written = 0;
    for (int index = 0; index < bundleCount; ++index) {
        Lv2BundleSpec bundle = LinuxDemoTree::generatedLv2Bundle(index, 1, usedNames);
        bundle.path = folder + u'/' + bundle.path;
        written += bundle.plugins.size();
        if (!Lv2BundleWriter::write(bundle)) {
            std::fprintf(stderr, "Could not write %s\n", qPrintable(bundle.path));
            return 1;
        }
    }
    std::printf("%d LV2 bundles holding %lld plug-ins\n", bundleCount, static_cast<long long>(written));

    const QString home = dir.filePath(QStringLiteral("home"));
    QDir().mkpath(home);
    PluginScanner scanner(ScanRoots{root, home});
    const QMap<QString, QByteArray> grants{{folder, FolderBookmark::create(folder)}};

    // Warm the caches for both sides.
    const Timed firstScan = scanOnce(scanner, grants);
    const Timed firstList = lv2lsOnce(folder);
    if (firstList.milliseconds < 0) {
        std::fprintf(stderr, "lv2ls -n failed (package lilv-utils)\n");
        return 1;
    }
    std::printf("scan found %lld plug-ins, lv2ls -n listed %lld\n", static_cast<long long>(firstScan.plugins),
                static_cast<long long>(firstList.plugins));

    QList<double> scans, lists;
    for (int run = 0; run < runs; ++run) {
        const Timed scanned = scanOnce(scanner, grants);
        const Timed listed = lv2lsOnce(folder);
        if (listed.milliseconds < 0)
            return 1;
        scans.append(scanned.milliseconds);
        lists.append(listed.milliseconds);
    }
    std::printf("lv2ls -n:  best %8.1f ms  median %8.1f ms\n", best(lists), median(lists));
    std::printf("scan:      best %8.1f ms  median %8.1f ms\n", best(scans), median(scans));
    std::printf("scan / lv2ls -n = %.2f best, %.2f median (target at most %.1f)\n", best(scans) / best(lists),
                median(scans) / median(lists), targetRatio);
    return 0;
}
