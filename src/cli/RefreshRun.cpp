#include "cli/RefreshRun.h"

#include "cli/ProgressLine.h"
#include "model/CatalogStore.h"
#include "store/PluginStore.h"

#include <QEventLoop>

namespace {

QString progressText(int foldersWalked, int bundlesFound, int librariesMeasured) {
    QString text = QStringLiteral("%1 folders walked, %2 bundles found").arg(foldersWalked).arg(bundlesFound);
    if (librariesMeasured > 0)
        text += QStringLiteral(", %1 content libraries measured").arg(librariesMeasured);
    return text;
}

} // namespace

RefreshRun RefreshRun::run(CatalogStore& store, const ScanRoots& roots) {
    const RefreshSummary::Snapshot before = RefreshSummary::snapshot(store);
    ProgressLine progress;
    PluginStore pluginStore(store, roots);
    QEventLoop loop;
    bool finished = false;
    QObject::connect(&pluginStore, &PluginStore::refreshFinished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    if (progress.isShown())
        QObject::connect(&pluginStore, &PluginStore::progress, &loop,
                         [&](int folders, int bundles, int libraries) {
                             progress.show(progressText(folders, bundles, libraries));
                         });
    pluginStore.refresh();
    if (!finished)
        loop.exec();
    progress.clear();

    RefreshRun result;
    result.error = pluginStore.lastError();
    result.summary = RefreshSummary::after(before, pluginStore.lastSummary(), store);
    return result;
}
