#include "ui/FolderAccessController.h"

#include "content/ContentLibraryScanner.h"
#include "content/FolderGrants.h"
#include "discovery/FolderBookmark.h"
#include "model/ByteCountFormat.h"
#include "model/LocaleCompare.h"
#include "ui/StoreObservation.h"
#include "ui/ZuzuzeVizozodApp.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

FolderAccessController::FolderAccessController(QObject* parent) : QObject(parent) {}

FolderAccessController::~FolderAccessController() = default;

void FolderAccessController::setStore(CatalogStore* store)
{
    if (!StoreObservation::follow(this, m_store, store))
        return;
    if (m_store) {
        connect(m_store, &CatalogStore::contentFoldersChanged, this, &FolderAccessController::updateContentLibraries);
        // A refresh measures the roots: their sizes and status are edits, not new folders.
        connect(m_store, &CatalogStore::edited, this, &FolderAccessController::updateContentLibraries);
    }
    m_grantedPaths.clear();
    Q_EMIT storeChanged();
    Q_EMIT grantsChanged();
    updateContentLibraries();
}

void FolderAccessController::setPluginStore(PluginStore* pluginStore)
{
    if (m_pluginStore == pluginStore)
        return;
    m_pluginStore = pluginStore;
    Q_EMIT rootsChanged();
    Q_EMIT grantsChanged();
    Q_EMIT contentLibrariesChanged();
}

void FolderAccessController::setRoots(const ScanRoots& roots)
{
    m_roots = roots;
    Q_EMIT rootsChanged();
    Q_EMIT grantsChanged();
    Q_EMIT contentLibrariesChanged();
}

ScanRoots FolderAccessController::roots() const
{
    if (m_roots)
        return *m_roots;
    if (m_pluginStore)
        return m_pluginStore->scanner().roots();
    if (const ZuzuzeVizozodApp* app = ZuzuzeVizozodApp::instance())
        return app->roots();
    return ScanRoots::standard();
}

const PluginScanner& FolderAccessController::scanner() const
{
    if (!m_roots && m_pluginStore)
        return m_pluginStore->scanner();
    const ScanRoots wanted = roots();
    if (!m_ownScanner || m_ownScanner->roots().systemRoot != wanted.systemRoot ||
        m_ownScanner->roots().home != wanted.home)
        m_ownScanner = std::make_unique<PluginScanner>(wanted);
    return *m_ownScanner;
}

QStringList FolderAccessController::grantedPaths() const
{
    QStringList paths(m_grantedPaths.cbegin(), m_grantedPaths.cend());
    std::sort(paths.begin(), paths.end());
    return paths;
}

QVariantList FolderAccessController::standardLocations() const
{
    QVariantList rows;
    for (const StandardLocation& location : scanner().standardLocations())
        rows.append(QVariantMap{{QStringLiteral("path"), location.path},
                                {QStringLiteral("explanation"), location.explanation},
                                {QStringLiteral("granted"), m_grantedPaths.contains(location.path)}});
    return rows;
}

QStringList FolderAccessController::additionalScanFolders() const
{
    const PluginScanner& plugins = scanner();
    QStringList paths;
    for (const QString& path : m_grantedPaths)
        if (!plugins.isStandardLocation(path) && !PluginScanner::isContainerPluginFolder(path))
            paths.append(path);
    std::sort(paths.begin(), paths.end());
    return paths;
}

QList<FolderAccessController::SuggestedRoot> FolderAccessController::suggestedContentRoots() const
{
    const ScanRoots where = roots();
    const SuggestedRoot candidates[] = {
        {where.underSystem(QStringLiteral("/Users/Shared")),
         QStringLiteral("Common shared location for Native Instruments, IK Multimedia, and installer-managed content.")},
        {where.underSystem(QStringLiteral("/Library/Application Support")),
         QStringLiteral("System-wide support folder used by many sample-library and instrument installers.")},
        {where.underHome(QStringLiteral("Music")),
         QStringLiteral("User music folder; useful for manually installed sampler content.")},
    };
    QList<SuggestedRoot> existing;
    for (const SuggestedRoot& root : candidates)
        if (QFileInfo::exists(root.path))
            existing.append(root);
    return existing;
}

QVariantList FolderAccessController::suggestedRoots() const
{
    QVariantList rows;
    for (const SuggestedRoot& root : suggestedContentRoots())
        if (!m_store || m_store->contentFoldersWithPath(root.path).isEmpty())
            rows.append(QVariantMap{{QStringLiteral("path"), root.path}, {QStringLiteral("label"), root.label}});
    return rows;
}

QUrl FolderAccessController::folderUrl(const QString& path)
{
    return QUrl::fromLocalFile(path);
}

void FolderAccessController::loadGrants()
{
    QSet<QString> granted;
    if (m_store) {
        bool removed = false;
        for (ScanBookmark* bookmark : m_store->scanBookmarks()) {
            if (PluginScanner::isContainerPluginFolder(bookmark->path())) {
                m_store->remove(bookmark);
                removed = true;
            } else {
                granted.insert(bookmark->path());
            }
        }
        if (removed)
            save();
    }
    m_grantedPaths = granted;
    Q_EMIT grantsChanged();
}

void FolderAccessController::grantStandardLocation(const QString& path)
{
    if (!stageScanBookmark(path))
        return;
    save();
    Q_EMIT grantsChanged();
}

void FolderAccessController::grantAllStandardLocations()
{
    bool changed = false;
    for (const StandardLocation& location : scanner().standardLocations())
        if (!m_grantedPaths.contains(location.path))
            changed = stageScanBookmark(location.path) || changed;
    if (!changed)
        return;
    save();
    Q_EMIT grantsChanged();
}

bool FolderAccessController::stageScanBookmark(const QString& path)
{
    const std::optional<QByteArray> bookmark = bookmarkFor(folderUrl(path));
    if (!bookmark)
        return false;
    if (m_store)
        FolderGrants::grantScanFolder(*m_store, path, *bookmark);
    m_grantedPaths.insert(path);
    return true;
}

void FolderAccessController::addScanFolders(const QList<QUrl>& chosen)
{
    for (const QUrl& url : chosen)
        if (const std::optional<QByteArray> bookmark = bookmarkFor(url))
            saveScanBookmark(url.toLocalFile(), *bookmark);
}

void FolderAccessController::saveScanBookmark(const QString& path, const QByteArray& data)
{
    if (m_store) {
        FolderGrants::grantScanFolder(*m_store, path, data);
        save();
    }
    m_grantedPaths.insert(path);
    Q_EMIT grantsChanged();
}

void FolderAccessController::removeGrant(const QString& path)
{
    if (m_store && FolderGrants::revokeScanFolder(*m_store, path) > 0)
        save();
    m_grantedPaths.remove(path);
    Q_EMIT grantsChanged();
}

void FolderAccessController::addContentFolders(const QList<QUrl>& chosen)
{
    for (const QUrl& url : chosen)
        if (const std::optional<QByteArray> bookmark = bookmarkFor(url))
            saveContentFolder(url.toLocalFile(), *bookmark);
}

void FolderAccessController::addSuggestedRoot(const QUrl& chosen)
{
    if (const std::optional<QByteArray> bookmark = bookmarkFor(chosen))
        saveContentFolder(chosen.toLocalFile(), *bookmark);
}

void FolderAccessController::saveContentFolder(const QString& path, const QByteArray& data)
{
    if (!m_store)
        return;
    FolderGrants::addContentFolder(*m_store, path, data);
    save();
    updateContentLibraries();
}

void FolderAccessController::removeContentFolder(const QString& path)
{
    if (!m_store)
        return;
    if (FolderGrants::removeContentFolder(*m_store, path) < 0)
        return;
    save();
    updateContentLibraries();
}

void FolderAccessController::finish(bool done)
{
    if (done)
        Q_EMIT completed();
}

std::optional<QByteArray> FolderAccessController::bookmarkFor(const QUrl& chosen)
{
    if (!chosen.isLocalFile())
        return std::nullopt;
    const QString path = chosen.toLocalFile();
    if (path.isEmpty() || !QDir::isAbsolutePath(path))
        return std::nullopt;
    return FolderBookmark::create(path);
}

void FolderAccessController::save()
{
    // Failures stay in the catalogue's pending changes, for its own saving to retry.
    if (m_store)
        static_cast<void>(m_store->save());
}

void FolderAccessController::updateContentLibraries()
{
    QList<ContentLibraryFolder*> folders = m_store ? m_store->contentFolders() : QList<ContentLibraryFolder*>();
    std::stable_sort(folders.begin(), folders.end(), [](const ContentLibraryFolder* a, const ContentLibraryFolder* b) {
        return localizedStandardCompare(a->name(), b->name()) < 0;
    });
    QVariantList rows;
    rows.reserve(folders.size());
    for (const ContentLibraryFolder* folder : std::as_const(folders))
        rows.append(QVariantMap{
            {QStringLiteral("path"), folder->path()},
            {QStringLiteral("name"), folder->name()},
            {QStringLiteral("publisher"), folder->publisher()},
            {QStringLiteral("sizeText"), folder->totalBytes() >= 1 ? formatByteCount(folder->totalBytes()) : QString()},
            {QStringLiteral("missing"), folder->status() == ContentLibraryStatus::notFound},
        });
    if (rows == m_contentLibraries)
        return;
    m_contentLibraries = rows;
    Q_EMIT contentLibrariesChanged();
}
