#include "UiCatalog.h"

#include "discovery/FolderBookmark.h"
#include "model/PluginInstall.h"
#include "model/PluginRecord.h"

#include <QFileInfo>
#include <QTimeZone>

namespace UiCatalog {

PluginRecord* addRecord(CatalogStore& store, const QString& name, const QString& publisher,
                        const QStringList& formats, const QString& architecture)
{
    auto* record = store.insert(new PluginRecord(name, publisher));
    record->setDisplayVersion(QStringLiteral("1.0"));
    for (const QString& format : formats)
        addInstall(store, record, format, architecture);
    return record;
}

PluginInstall* addInstall(CatalogStore& store, PluginRecord* record, const QString& format,
                          const QString& architecture, bool found, const QString& path)
{
    const QString filePath = path.isEmpty() ? QStringLiteral("/Library/Audio/Plug-Ins/%1/%2.%3")
                                                  .arg(format, record->name(), format.toLower())
                                            : path;
    auto* install = store.insert(new PluginInstall(filePath, fromRawValue<PluginFormat>(format).value_or(PluginFormat::au)));
    install->setArchitecture(fromRawValue<PluginArchitecture>(architecture).value_or(PluginArchitecture::unknown));
    install->setStatus(found ? InstallStatus::found : InstallStatus::notFound);
    install->setFileSize(1'500'000);
    install->setVersion(QStringLiteral("1.0"));
    install->setBundleID(QStringLiteral("com.example.") + record->name().toLower().remove(u' '));
    const QDateTime date(QDate(2024, 3, 1), QTime(12, 0), Qt::UTC);
    install->setInstallDate(date);
    install->setDateModified(date);
    install->setGroup(record);
    return install;
}

void addBookmark(CatalogStore& store, const QString& path)
{
    store.insert(new ScanBookmark(path, FolderBookmark::create(path)));
}

ContentLibraryFolder* addContentFolder(CatalogStore& store, const QString& path)
{
    return store.insert(new ContentLibraryFolder(path, QFileInfo(path).fileName(), QStringLiteral("Example"),
                                                 FolderBookmark::create(path)));
}

ContentLibraryItem* addContentItem(CatalogStore& store, const QString& rootPath, const QString& path,
                                   const QString& name, const QString& publisher, qint64 bytes)
{
    auto* item = store.insert(new ContentLibraryItem);
    item->setRootPath(rootPath);
    item->setPath(path);
    item->setName(name);
    item->setPublisher(publisher);
    item->setTotalBytes(bytes);
    return item;
}

} // namespace UiCatalog
