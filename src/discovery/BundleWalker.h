#pragma once

#include "discovery/LinuxPluginFolders.h"
#include "discovery/ScannedPlugin.h"
#include "discovery/UnreadableFolder.h"
#include "model/PluginFormat.h"

#include <QList>
#include <QSet>
#include <QString>

#include <atomic>
#include <functional>
#include <optional>

struct FormatFolder {
    QString path;
    PluginFormat format;

    bool operator==(const FormatFolder&) const = default;
};

// The walks of one scan: a standard location as its format folders, one level each, and any
// other folder recursively. Walks on one thread while the size walkers describe and measure the
// bundles already found; it keeps counts for progress and stops when asked.
class BundleWalker {
public:
    struct Hooks {
        std::function<bool()> isCancelled;
        std::function<void(int foldersWalked, int bundlesFound)> progress;
    };

    BundleWalker(QList<FormatFolder> formatFolders, Hooks hooks);

    [[nodiscard]] QList<ScannedPlugin> scanStandardLocation(const QString& folderPath,
                                                            const QString& rootPath);
    [[nodiscard]] QList<ScannedPlugin> scanFormatFolder(const QString& folderPath, PluginFormat format);
    // Inside a Linux or Wine plug-in folder, a shared object takes the folder's format and
    // symbolic links to folders are followed, each real folder once.
    [[nodiscard]] QList<ScannedPlugin> scanRecursively(const QString& folderPath);
    // The Linux and Wine plug-in folders whose formats the recursive walks apply.
    void setPluginFolders(QList<PluginFolder> folders) { m_pluginFolders = std::move(folders); }

    // No value when the bundle has no readable property list. Unless `measured`, the size is 0.
    [[nodiscard]] static std::optional<ScannedPlugin> makeScannedPlugin(const QString& bundlePath,
                                                                        PluginFormat format, bool measured = true);

    // The folders the walks could not list, each once, in walk order, each walk's then those inside
    // its bundles: a granted folder or one inside it, never one that does not exist or is not a folder.
    [[nodiscard]] const QList<UnreadableFolder>& unreadableFolders() const { return m_unreadable; }
    [[nodiscard]] int foldersWalked() const { return m_foldersWalked; }
    [[nodiscard]] int bundlesFound() const { return m_bundlesFound.load(std::memory_order_relaxed); }
    [[nodiscard]] bool isCancelled() const;
    // Reports the current counts whatever the throttle says, unless they were just reported.
    void reportProgress();

private:
    void countFolder();
    void noteUnreadable(const QString& folderPath, int error);
    void noteUnreadable(const UnreadableFolder& folder);
    // The bundles one walk found, described and measured by the size walkers as it goes on.
    struct Batch;
    void walkFormatFolder(Batch& batch, const QString& folderPath, PluginFormat format);
    void keep(Batch& batch, const QString& bundlePath, PluginFormat format);
    void keepDescribed(Batch& batch, QList<ScannedPlugin> plugins);
    // A folder the Linux reader claims whatever it holds: read by the walker that measures it.
    void keepUnread(Batch& batch, const QString& folderPath, std::optional<PluginFormat> folderFormat);
    // Waits for the batch's walkers, then gives its plug-ins in walk order.
    [[nodiscard]] QList<ScannedPlugin> collect(Batch& batch);

    QList<FormatFolder> m_formatFolders;
    QList<PluginFolder> m_pluginFolders;
    Hooks m_hooks;
    QList<UnreadableFolder> m_unreadable;
    QSet<QString> m_unreadablePaths;
    int m_foldersWalked = 0;
    std::atomic<int> m_bundlesFound = 0;
    int m_reportedFolders = -1;
    int m_reportedBundles = -1;
};
