#include "UiFixture.h"

#include "UiCatalog.h"

#include "model/PluginInstall.h"
#include "model/PluginRecord.h"

#include <QQmlEngine>

UiFixture::UiFixture(QObject* parent)
    : QObject(parent)
{
}

UiFixture::~UiFixture() = default;

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
