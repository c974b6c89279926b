#include "cli/RefreshRun.h"

#include "cli/ProgressLine.h"
#include "model/CatalogStore.h"
#include "store/PluginStore.h"

#include <QEventLoop>

RefreshRun RefreshRun::run(CatalogStore& store, const ScanRoots& roots) {
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
                             progress.show(RefreshSummary::progressText(folders, bundles, libraries));
                         });
    pluginStore.refresh();
    if (!finished)
        loop.exec();
    progress.clear();

    RefreshRun result;
    result.error = pluginStore.lastError();
    result.summary = pluginStore.lastSummary();
    return result;
}
