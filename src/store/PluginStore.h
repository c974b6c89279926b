#pragma once

#include "content/ContentLibraryScanner.h"
#include "discovery/PluginScanner.h"
#include "discovery/ScanRoots.h"
#include "discovery/ScannedPlugin.h"
#include "store/RefreshSummary.h"
#include "store/UpsertCoordinator.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFutureWatcher>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

class CatalogStore;

// Runs a refresh of the catalogue: the granted folders are scanned for plug-ins, the result is
// merged into the store, then the content roots are measured. At most one refresh runs at a
// time. Lives on the user-interface thread, with the store it was given; only the two scans
// run elsewhere.
class PluginStore : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isScanning READ isScanning NOTIFY isScanningChanged)
    Q_PROPERTY(QDateTime lastScanDate READ lastScanDate NOTIFY lastScanDateChanged)
    Q_PROPERTY(QString lastError READ lastError NOTIFY lastErrorChanged)

public:
    // `context` must outlive this object.
    explicit PluginStore(CatalogStore& context, ScanRoots roots = ScanRoots::standard(), QObject* parent = nullptr);
    // Cancels a running refresh; nothing of it runs afterwards.
    ~PluginStore() override;

    [[nodiscard]] bool isScanning() const { return m_isScanning; }
    // When the last successful plug-in upsert finished; invalid before the first.
    [[nodiscard]] QDateTime lastScanDate() const { return m_lastScanDate; }
    // Why the last refresh failed; empty when it succeeded.
    [[nodiscard]] QString lastError() const { return m_lastError; }
    // What the last finished refresh changed, as far as it got, and the catalogue's totals after it.
    [[nodiscard]] const RefreshSummary& lastSummary() const { return m_lastSummary; }

    [[nodiscard]] const PluginScanner& scanner() const { return m_scanner; }
    [[nodiscard]] const ContentLibraryScanner& contentScanner() const { return m_contentScanner; }

    // Starts a refresh unless one is running, in which case the request is dropped. Returns at
    // once; the outcome shows in the properties and the catalogue, and refreshFinished() ends
    // every refresh that started. May be called from any thread.
    Q_INVOKABLE void refresh();

Q_SIGNALS:
    void isScanningChanged();
    void lastScanDateChanged();
    void lastErrorChanged();
    // Counts so far in the running refresh: plug-in scan first, then the content libraries. A
    // few times a second at most, and each step's last counts before it ends.
    void progress(int foldersWalked, int bundlesFound, int librariesMeasured);
    void refreshFinished();

private:
    void reportProgress();
    void emitProgress();
    void pluginScanFinished();
    void contentScanFinished(const QList<UnreadableFolder>& unreadable);
    void finishRefresh();
    void setScanning(bool value);
    void setLastScanDate(const QDateTime& value);
    void setLastError(const QString& value);

    CatalogStore& m_context;
    PluginScanner m_scanner;
    ContentLibraryScanner m_contentScanner;
    // After the scanners, so they are destroyed first and deliver nothing once the scanners
    // wait for their workers.
    QFutureWatcher<PluginScanResult> m_scanWatcher;
    QFutureWatcher<QList<UnreadableFolder>> m_contentWatcher;

    bool m_isScanning = false;
    QDateTime m_lastScanDate;
    QString m_lastError;
    RefreshSummary m_lastSummary;
    // Taken when a refresh starts, to tell installs gone missing or found again at its end.
    RefreshSummary::Snapshot m_before;
    UpsertSummary m_changes;
    QStringList m_searchedFolders;
    QList<UnreadableFolder> m_unreadableFolders;
    int m_bundlesScanned = 0;
    int m_foldersWalked = 0;
    int m_bundlesFound = 0;
    int m_librariesMeasured = 0;
    QElapsedTimer m_sinceProgress;
    QTimer m_progressTimer;
};
