#pragma once

#include "discovery/BundleWalker.h"
#include "discovery/PluginScanResult.h"
#include "discovery/ScanRoots.h"
#include "discovery/ScannedPlugin.h"

#include <QByteArray>
#include <QFuture>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <functional>

struct StandardLocation {
    QString path;
    QString explanation;

    bool operator==(const StandardLocation&) const = default;
};

// Turns folder grants into the plug-in bundles found under them. Reads listings, attributes,
// property lists and executable headers only; never loads a bundle and never writes.
class PluginScanner : public QObject {
    Q_OBJECT

public:
    explicit PluginScanner(ScanRoots roots = ScanRoots::standard(), QObject* parent = nullptr);
    // Cancels what is still running or queued and waits for it.
    ~PluginScanner() override;

    // Runs on the scanner's own single worker thread, one scan after the other; the caller does
    // not block. `grants` maps a granted folder's stored path to its bookmark data. A cancelled
    // scan's future is cancelled and carries no result.
    [[nodiscard]] QFuture<PluginScanResult> scan(const QMap<QString, QByteArray>& grants);
    // Stops every scan started before this call, at the next folder or bundle.
    void cancel();

    [[nodiscard]] const ScanRoots& roots() const { return m_roots; }
    // The standard locations that exist, in their fixed order: the macOS ones, then the Linux
    // and Wine plug-in folders. Any thread.
    [[nodiscard]] QList<StandardLocation> standardLocations() const;
    [[nodiscard]] bool isStandardLocation(const QString& path) const;
    // Sandbox containers' private plug-in folders are never scanned, even when granted.
    [[nodiscard]] static bool isContainerPluginFolder(const QString& path);
    // The ten (folder, format) pairs walked one level deep under the standard locations.
    [[nodiscard]] QList<FormatFolder> formatFolders() const;

Q_SIGNALS:
    // From the worker thread: every 64 folders, after each grant, and at the end of a scan
    // (never twice in a row with the same counts).
    void progress(int foldersWalked, int bundlesFound);

private:
    // The four macOS folders, walked as their format folders one level deep.
    [[nodiscard]] QList<StandardLocation> macStandardLocations() const;
    [[nodiscard]] bool isMacStandardLocation(const QString& path) const;
    [[nodiscard]] PluginScanResult runScan(const QMap<QString, QByteArray>& grants,
                                               const std::function<bool()>& isCancelled);

    ScanRoots m_roots;
    QThreadPool m_pool;
    std::atomic<quint64> m_scansIssued{0};
    std::atomic<quint64> m_cancelledThrough{0};
};
