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
#include <memory>
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

    ~BundleWalker();
    BundleWalker(const BundleWalker&) = delete;
    BundleWalker& operator=(const BundleWalker&) = delete;

    // Each walk returns once its folders are listed; the size walkers go on describing and
    // measuring its bundles, on into the next walk on the same device, so they never wait between
    // walks. finishWalks() waits for them and gives each walk's plug-ins, walk by walk.
    void walkStandardLocation(const QString& folderPath, const QString& rootPath);
    // Inside a Linux or Wine plug-in folder, a shared object takes the folder's format and
    // symbolic links to folders are followed, each real folder once.
    void walkRecursively(const QString& folderPath);
    [[nodiscard]] QList<QList<ScannedPlugin>> finishWalks();

    // One walk, finished.
    [[nodiscard]] QList<ScannedPlugin> scanStandardLocation(const QString& folderPath,
                                                            const QString& rootPath);
    [[nodiscard]] QList<ScannedPlugin> scanFormatFolder(const QString& folderPath, PluginFormat format);
    [[nodiscard]] QList<ScannedPlugin> scanRecursively(const QString& folderPath);
    // The Linux and Wine plug-in folders whose formats the recursive walks apply.
    void setPluginFolders(QList<PluginFolder> folders) { m_pluginFolders = std::move(folders); }

    // No value when the bundle has no readable property list. The size is left at 0: the size
    // walkers measure it.
    [[nodiscard]] static std::optional<ScannedPlugin> makeScannedPlugin(const QString& bundlePath, PluginFormat format);

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
    void noteUnreadable(const UnreadableFolder& folder);
    // The bundles the walks on one device found, described and measured by the size walkers as
    // the walks go on.
    struct Batch;
    // The batch the walk of `folderPath` adds to; a new one when the folder is on another device.
    Batch& beginWalk(const QString& folderPath);
    void noteUnreadable(Batch& batch, const QString& folderPath, int error);
    void walkFormatFolder(Batch& batch, const QString& folderPath, PluginFormat format);
    void keep(Batch& batch, const QString& bundlePath, PluginFormat format);
    void keepDescribed(Batch& batch, QList<ScannedPlugin> plugins);
    // A bundle described by the walker that measures it, just before; measured only when
    // `describe` finds a plug-in.
    void keepUndescribed(Batch& batch, const QString& path, std::function<QList<ScannedPlugin>()> describe);
    // A folder the Linux reader claims whatever it holds: read by the walker that measures it.
    void keepUnread(Batch& batch, const QString& folderPath, std::optional<PluginFormat> folderFormat);
    // Waits for the batch's walkers, then adds each of its walks' plug-ins to m_walked.
    void collect(Batch& batch);

    QList<FormatFolder> m_formatFolders;
    QList<PluginFolder> m_pluginFolders;
    Hooks m_hooks;
    std::unique_ptr<Batch> m_batch;
    QList<QList<ScannedPlugin>> m_walked;
    QList<UnreadableFolder> m_unreadable;
    QSet<QString> m_unreadablePaths;
    int m_foldersWalked = 0;
    std::atomic<int> m_bundlesFound = 0;
    int m_reportedFolders = -1;
    int m_reportedBundles = -1;
};
