#include "store/PluginStore.h"

#include "content/ContentLibraryPersistence.h"
#include "model/CatalogStore.h"

#include <QByteArray>
#include <QMap>
#include <QSet>
#include <QThread>

#include <utility>

PluginStore::PluginStore(CatalogStore& context, ScanRoots roots, QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_scanner(std::move(roots))
{
    // The scanners report from their workers; the counts are handed on from this thread.
    connect(
        &m_scanner, &PluginScanner::progress, this,
        [this](int foldersWalked, int bundlesFound) {
            m_foldersWalked = foldersWalked;
            m_bundlesFound = bundlesFound;
            reportProgress();
        },
        Qt::QueuedConnection);
    connect(
        &m_contentScanner, &ContentLibraryScanner::progress, this,
        [this](int librariesMeasured) {
            m_librariesMeasured = librariesMeasured;
            reportProgress();
        },
        Qt::QueuedConnection);
    m_progressTimer.setSingleShot(true);
    connect(&m_progressTimer, &QTimer::timeout, this, &PluginStore::emitProgress);
    connect(&m_scanWatcher, &QFutureWatcherBase::finished, this, &PluginStore::pluginScanFinished);
    connect(&m_contentWatcher, &QFutureWatcherBase::finished, this, [this] {
        const QFuture<QList<UnreadableFolder>> measured = m_contentWatcher.future();
        contentScanFinished(measured.isCanceled() || measured.resultCount() == 0 ? QList<UnreadableFolder>()
                                                                                : measured.result());
    });
}

PluginStore::~PluginStore()
{
    // The watchers are destroyed before the scanners, which then wait for their workers.
    m_scanner.cancel();
    m_contentScanner.cancel();
}

void PluginStore::refresh()
{
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(this, &PluginStore::refresh, Qt::QueuedConnection);
        return;
    }
    if (m_isScanning)
        return;
    setScanning(true);
    setLastError({});
    m_foldersWalked = 0;
    m_bundlesFound = 0;
    m_librariesMeasured = 0;
    m_sinceProgress.invalidate();
    m_before = RefreshSummary::snapshot(m_context);
    m_changes = {};
    m_bundlesScanned = 0;
    m_unreadableFolders.clear();

    // Paths are unique in practice; should two grants share one, the later one is used.
    QMap<QString, QByteArray> grants;
    for (const ScanBookmark* bookmark : m_context.scanBookmarks())
        grants.insert(bookmark->path(), bookmark->bookmarkData());
    m_searchedFolders = grants.keys();
    m_scanWatcher.setFuture(m_scanner.scan(grants));
}

void PluginStore::reportProgress()
{
    // A window redraws for every count it shows, on the cores the scan runs on.
    constexpr qint64 interval = 125;
    const qint64 since = m_sinceProgress.isValid() ? m_sinceProgress.elapsed() : interval;
    if (since >= interval)
        emitProgress();
    else if (!m_progressTimer.isActive())
        m_progressTimer.start(int(interval - since));
}

void PluginStore::emitProgress()
{
    m_progressTimer.stop();
    m_sinceProgress.start();
    Q_EMIT progress(m_foldersWalked, m_bundlesFound, m_librariesMeasured);
}

void PluginStore::pluginScanFinished()
{
    if (m_progressTimer.isActive())
        emitProgress();
    const QFuture<PluginScanResult> scanned = m_scanWatcher.future();
    // Only a scan stopped from outside ends without a result; merging nothing would mark every
    // install missing.
    if (scanned.isCanceled() || scanned.resultCount() == 0) {
        finishRefresh();
        return;
    }

    const PluginScanResult result = scanned.result();
    m_bundlesScanned = int(result.plugins.size());
    m_unreadableFolders = result.unreadableFolders;
    const StoreResult upserted = UpsertCoordinator().upsert(result.plugins, m_context, &m_changes);
    if (!upserted) {
        setLastError(upserted.errorDescription());
        finishRefresh();
        return;
    }
    setLastScanDate(QDateTime::currentDateTimeUtc());

    const QFuture<QList<UnreadableFolder>> measured =
        ContentLibraryPersistence::refreshContentLibraries(m_context, m_contentScanner);
    if (measured.isFinished())
        contentScanFinished(measured.resultCount() > 0 ? measured.result() : QList<UnreadableFolder>());
    else
        m_contentWatcher.setFuture(measured);
}

void PluginStore::contentScanFinished(const QList<UnreadableFolder>& unreadable)
{
    // A folder both granted and a content root is told once.
    QSet<QString> known;
    for (const UnreadableFolder& folder : std::as_const(m_unreadableFolders))
        known.insert(folder.path);
    for (const UnreadableFolder& folder : unreadable)
        if (!known.contains(folder.path)) {
            known.insert(folder.path);
            m_unreadableFolders.append(folder);
        }
    finishRefresh();
}

void PluginStore::finishRefresh()
{
    if (m_progressTimer.isActive())
        emitProgress();
    m_lastSummary = RefreshSummary::after(std::exchange(m_before, {}), m_changes, m_context);
    m_lastSummary.searchedFolders = m_searchedFolders;
    m_lastSummary.bundlesScanned = m_bundlesScanned;
    m_lastSummary.unreadableFolders = m_unreadableFolders;
    setScanning(false);
    Q_EMIT refreshFinished();
}

void PluginStore::setScanning(bool value)
{
    if (m_isScanning == value)
        return;
    m_isScanning = value;
    Q_EMIT isScanningChanged();
}

void PluginStore::setLastScanDate(const QDateTime& value)
{
    if (m_lastScanDate == value)
        return;
    m_lastScanDate = value;
    Q_EMIT lastScanDateChanged();
}

void PluginStore::setLastError(const QString& value)
{
    if (m_lastError == value)
        return;
    m_lastError = value;
    Q_EMIT lastErrorChanged();
}
