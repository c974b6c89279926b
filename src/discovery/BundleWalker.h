#pragma once

#include "discovery/ScannedPlugin.h"
#include "model/PluginFormat.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

struct FormatFolder {
    QString path;
    PluginFormat format;

    bool operator==(const FormatFolder&) const = default;
};

// The walks of one scan: a standard location as its format folders, one level each, and any
// other folder recursively. Sequential; it keeps counts for progress and stops when asked.
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
    [[nodiscard]] QList<ScannedPlugin> scanRecursively(const QString& folderPath);

    // No value when the bundle has no readable property list.
    [[nodiscard]] static std::optional<ScannedPlugin> makeScannedPlugin(const QString& bundlePath,
                                                                        PluginFormat format);

    [[nodiscard]] int foldersWalked() const { return m_foldersWalked; }
    [[nodiscard]] int bundlesFound() const { return m_bundlesFound; }
    [[nodiscard]] bool isCancelled() const;
    // Reports the current counts whatever the throttle says, unless they were just reported.
    void reportProgress();

private:
    void countFolder();
    void keep(QList<ScannedPlugin>& output, const QString& bundlePath, PluginFormat format);

    QList<FormatFolder> m_formatFolders;
    Hooks m_hooks;
    int m_foldersWalked = 0;
    int m_bundlesFound = 0;
    int m_reportedFolders = -1;
    int m_reportedBundles = -1;
};
