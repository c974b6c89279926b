#include "UiFixture.h"

#include "UiCatalog.h"

#include "model/PluginInstall.h"
#include "model/PluginRecord.h"
#include "store/PluginStore.h"

#include <QDir>
#include <QQmlEngine>

UiFixture::UiFixture(QObject* parent)
    : QObject(parent)
{
}

UiFixture::~UiFixture()
{
    m_pluginStores.clear();
}

CatalogStore* UiFixture::newStore()
{
    const QString path = m_folder.filePath(QStringLiteral("catalog-%1.sqlite").arg(m_stores.size()));
    QString error;
    std::unique_ptr<CatalogStore> store = CatalogStore::open(path, &error);
    if (!store)
        return nullptr;
    store->setAutosaveEnabled(false);
    CatalogStore* result = store.get();
    QQmlEngine::setObjectOwnership(result, QQmlEngine::CppOwnership);
    m_stores.push_back(std::move(store));
    return result;
}

PluginRecord* UiFixture::addRecord(CatalogStore* store, const QString& name, const QString& publisher,
                                   const QStringList& formats, const QString& architecture)
{
    return store ? UiCatalog::addRecord(*store, name, publisher, formats, architecture) : nullptr;
}

PluginInstall* UiFixture::addInstall(CatalogStore* store, PluginRecord* record, const QString& format,
                                     const QString& architecture, bool found)
{
    return store && record ? UiCatalog::addInstall(*store, record, format, architecture, found) : nullptr;
}

void UiFixture::addBookmark(CatalogStore* store, const QString& path)
{
    if (store)
        UiCatalog::addBookmark(*store, path);
}

void UiFixture::removeRecord(CatalogStore* store, PluginRecord* record)
{
    if (store && record)
        store->remove(record);
}

void UiFixture::setFileSize(PluginRecord* record, qint64 bytes)
{
    if (record)
        for (PluginInstall* install : record->installs())
            install->setFileSize(bytes);
}

void UiFixture::addContentFolder(CatalogStore* store, const QString& path)
{
    if (store)
        UiCatalog::addContentFolder(*store, path);
}

void UiFixture::addContentItem(CatalogStore* store, const QString& rootPath, const QString& path, const QString& name,
                               const QString& publisher, qint64 bytes)
{
    if (store)
        UiCatalog::addContentItem(*store, rootPath, path, name, publisher, bytes);
}

QStringList UiFixture::scanBookmarkPaths(CatalogStore* store) const
{
    QStringList paths;
    if (store)
        for (const ScanBookmark* bookmark : store->scanBookmarks())
            paths.append(bookmark->path());
    return paths;
}

QStringList UiFixture::bookmarkData(CatalogStore* store, const QString& path) const
{
    QStringList data;
    if (store)
        for (const ScanBookmark* bookmark : store->scanBookmarksWithPath(path))
            data.append(QString::fromUtf8(bookmark->bookmarkData()));
    return data;
}

QStringList UiFixture::contentFolderPaths(CatalogStore* store) const
{
    QStringList paths;
    if (store)
        for (const ContentLibraryFolder* folder : store->contentFolders())
            paths.append(folder->path());
    return paths;
}

QStringList UiFixture::contentItemPaths(CatalogStore* store) const
{
    QStringList paths;
    if (store)
        for (const ContentLibraryItem* item : store->contentItems())
            paths.append(item->path());
    return paths;
}

QString UiFixture::newFolder(const QStringList& subfolders)
{
    const QString path = m_folder.filePath(QStringLiteral("tree-%1").arg(m_folderCount++));
    QDir().mkpath(path);
    for (const QString& subfolder : subfolders)
        QDir(path).mkpath(subfolder);
    return path;
}

PluginStore* UiFixture::newPluginStore(CatalogStore* store, const QString& root)
{
    if (!store)
        return nullptr;
    auto pluginStore = std::make_unique<PluginStore>(*store, ScanRoots{root, root + QStringLiteral("/home")});
    PluginStore* result = pluginStore.get();
    QQmlEngine::setObjectOwnership(result, QQmlEngine::CppOwnership);
    m_pluginStores.push_back(std::move(pluginStore));
    return result;
}

QStringList UiFixture::storedTagNames(CatalogStore* store) const
{
    QStringList names;
    if (store)
        for (const Tag* tag : store->tags())
            names.append(tag->name());
    return names;
}

QStringList UiFixture::installFormats(PluginRecord* record) const
{
    QStringList formats;
    if (record)
        for (const PluginInstall* install : record->installs())
            formats.append(rawValue(install->format()));
    return formats;
}
