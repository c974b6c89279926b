#pragma once

#include "content/ContentLibraryItemInfo.h"
#include "content/ContentLibraryScanResult.h"
#include "content/ContentLibraryScanTarget.h"

#include <QFuture>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QThreadPool>

#include <atomic>
#include <optional>

// Finds the sample and instrument libraries under content roots by vendor and product folder
// names and measures each one. Lists folders only; sizes come from directorySize. Scans run one
// after another on the scanner's own thread.
class ContentLibraryScanner : public QObject {
    Q_OBJECT

public:
    explicit ContentLibraryScanner(QObject* parent = nullptr);
    ~ContentLibraryScanner() override;

    // One result per target, in target order. A cancelled scan ends early and holds only the
    // targets it finished.
    [[nodiscard]] QFuture<QList<ContentLibraryScanResult>> scan(const QList<ContentLibraryScanTarget>& targets);
    // Stops every scan requested so far, running or queued; later scans are unaffected.
    void cancel();

    static constexpr int maxDiscoveryDepth = 4;
    static const QSet<QString>& pluginPackageExtensions();
    static const QSet<QString>& metadataDirectoryNames();
    // Folders treated as opaque packages here, where the file system has no package flag.
    static const QSet<QString>& packageExtensions();

    // Label for a content folder: its vendor when the path names one, else its title.
    [[nodiscard]] static QString contentFolderDisplayName(const QString& path);

    [[nodiscard]] static QString folderName(const QString& path);
    [[nodiscard]] static QString pathExtension(const QString& name);
    [[nodiscard]] static std::optional<QString> vendorFromPath(const QString& path);
    [[nodiscard]] static std::optional<QString> vendorFromFolderName(const QString& path);
    [[nodiscard]] static bool isVendorFolderName(const QString& path);
    [[nodiscard]] static bool isVolumeRoot(const QString& path);
    [[nodiscard]] static bool isPluginFolderPath(const QString& path);
    // depth is the parent's depth (the root is 0).
    [[nodiscard]] static bool isDescendCandidate(const QString& childPath, int depth);
    [[nodiscard]] static bool isLibraryContainer(const QString& folderPath, const QStringList& children);
    // Absolute paths of the sub-folders worth looking at, in file-browser order. Links are not
    // followed; an unreadable folder has none, and is added to `unreadable` when given (one that
    // does not exist or is not a folder is not unreadable).
    [[nodiscard]] static QStringList listChildFolders(const QString& folderPath,
                                                      QList<UnreadableFolder>* unreadable = nullptr);
    [[nodiscard]] static QList<ContentLibraryItemInfo> dedupeAndSort(const QList<ContentLibraryItemInfo>& items);

Q_SIGNALS:
    // Emitted on the scanner's thread after each library is measured; counts the whole scan.
    void progress(int librariesMeasured);

private:
    struct Progress {
        quint64 generation = 0;
        int measured = 0;
    };

    QList<ContentLibraryScanResult> scanAll(const QList<ContentLibraryScanTarget>& targets, quint64 generation);
    std::optional<ContentLibraryScanResult> scanTarget(const ContentLibraryScanTarget& target, Progress& run);
    QList<ContentLibraryItemInfo> discoverLibraries(const QString& rootFolder, quint64 generation,
                                                    QList<UnreadableFolder>& unreadable) const;
    QList<ContentLibraryItemInfo> discover(const QString& folder, int depth, const std::optional<QString>& inheritedVendor,
                                           quint64 generation, QList<UnreadableFolder>& unreadable) const;
    bool isCancelled(quint64 generation) const { return generation <= m_cancelledThrough.load(); }

    QThreadPool m_pool;
    std::atomic<quint64> m_lastGeneration{0};
    std::atomic<quint64> m_cancelledThrough{0};
};
