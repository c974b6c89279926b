#pragma once

// The large sample library (2,000 bundles and the content folders) written into a temporary
// folder, a catalogue that grants all of it, and `du -s --apparent-size` over the same folders:
// the yardstick of the refresh benchmarks.

#include "discovery/FolderBookmark.h"
#include "discovery/ScanRoots.h"
#include "model/CatalogStore.h"
#include "sample/DemoLibrary.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <memory>

struct GrantedLibrary {
    static constexpr int bundleCount = 2'000;

    QString root;
    QStringList pluginFolders;
    QString contentFolder;

    // Writes the library into `root` (missing or empty); false, with the reason printed, on failure.
    [[nodiscard]] bool write(const QString& where)
    {
        root = where;
        DemoLibrary::Options options;
        options.bundles = bundleCount;
        const DemoLibrary::Result written = DemoLibrary::write(root, options);
        if (!written.ok) {
            std::fprintf(stderr, "%s\n", qPrintable(written.error));
            return false;
        }
        pluginFolders = DemoLibrary::pluginFolders(root);
        contentFolder = DemoLibrary::contentFolder(root);
        std::printf("Sample library: %d bundles, %d content libraries, %lld files\n", written.bundles,
                    written.contentLibraries, static_cast<long long>(written.files));
        return true;
    }

    // A library written earlier (`demo-library DIR --bundles 2000`), to time it again quickly.
    void reuse(const QString& where)
    {
        root = where;
        pluginFolders = DemoLibrary::pluginFolders(root);
        contentFolder = DemoLibrary::contentFolder(root);
    }

    [[nodiscard]] ScanRoots roots() const { return ScanRoots{root, DemoLibrary::homeFolder(root)}; }

    // A catalogue at `path` granting every plug-in folder and the content folder, saved.
    [[nodiscard]] std::unique_ptr<CatalogStore> grantedStore(const QString& path) const
    {
        QString error;
        auto store = CatalogStore::open(path, &error);
        if (!store) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return nullptr;
        }
        for (const QString& folder : pluginFolders)
            store->insert(new ScanBookmark(folder, FolderBookmark::create(folder)));
        store->insert(new ContentLibraryFolder(contentFolder, QFileInfo(contentFolder).fileName(), QString(),
                                               FolderBookmark::create(contentFolder)));
        return store->save() ? std::move(store) : nullptr;
    }

    // Milliseconds, or -1 when du failed.
    [[nodiscard]] double duOnce() const
    {
        QProcess du;
        du.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer timer;
        timer.start();
        du.start(QStringLiteral("du"), QStringList{QStringLiteral("-s"), QStringLiteral("--apparent-size")} +
                                           pluginFolders + QStringList{contentFolder});
        const bool ok = du.waitForFinished(-1) && du.exitStatus() == QProcess::NormalExit && du.exitCode() == 0;
        return ok ? double(timer.nsecsElapsed()) / 1e6 : -1;
    }
};

inline double medianOf(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}
