#include "model/CatalogLoader.h"

#include "model/CatalogSchema.h"
#include "model/ContentLibraryFolder.h"
#include "model/ContentLibraryItem.h"
#include "model/PluginInstall.h"
#include "model/PluginParameter.h"
#include "model/PluginRecord.h"
#include "model/ScanBookmark.h"
#include "model/SqlErrorText.h"
#include "model/StoredValues.h"
#include "model/Tag.h"

#include <QHash>
#include <QSqlError>
#include <QVariant>

#include <algorithm>

using Kind = CatalogObject::Kind;

void CatalogContents::deleteAll()
{
    qDeleteAll(records);
    qDeleteAll(installs);
    qDeleteAll(parameters);
    qDeleteAll(tags);
    qDeleteAll(scanBookmarks);
    qDeleteAll(contentFolders);
    qDeleteAll(contentItems);
    *this = {};
}

namespace {

template <typename T> bool byId(const T* a, const T* b)
{
    return a->id() < b->id();
}

template <typename T> QHash<qint64, T*> indexById(const QList<T*>& objects)
{
    QHash<qint64, T*> index;
    index.reserve(objects.size());
    for (T* object : objects)
        index.insert(object->id(), object);
    return index;
}

} // namespace

StoreResult CatalogLoader::load(CatalogContents& contents)
{
    const bool ok = loadRecords(contents) && loadTags(contents) && loadInstalls(contents) &&
                    loadParameters(contents) && loadBookmarks(contents) && loadContentFolders(contents) &&
                    loadContentItems(contents) && loadMetadata(contents);
    if (!ok) {
        contents.deleteAll();
        return StoreResult::failure(m_error);
    }
    CatalogObject::raiseSequence(m_maxSequence);
    return StoreResult::success();
}

bool CatalogLoader::select(const char* table, const QString& order, QSqlQuery& query)
{
    const Kind kind = *std::find_if(CatalogSchema::kinds.begin(), CatalogSchema::kinds.end(), [&](Kind k) {
        return CatalogSchema::tableName(k) == QLatin1StringView(table);
    });
    QStringList columns{QStringLiteral("\"id\"")};
    for (const QString& column : CatalogSchema::columns(kind))
        columns.append(QLatin1Char('"') + column + QLatin1Char('"'));
    query.setForwardOnly(true);
    const QString sql = QStringLiteral("SELECT %1 FROM \"%2\" ORDER BY %3")
                            .arg(columns.join(QStringLiteral(", ")), QLatin1StringView(table), order);
    return query.exec(sql) || queryFailed(query);
}

bool CatalogLoader::queryFailed(const QSqlQuery& query)
{
    m_error = QStringLiteral("The catalogue \"%1\" cannot be read: %2")
                  .arg(m_path, SqlErrorText::describe(query.lastError()));
    return false;
}

template <typename E> bool CatalogLoader::decode(const QVariant& value, const char* field, E& out)
{
    if (const auto decoded = StoredValues::toEnum<E>(value)) {
        out = *decoded;
        return true;
    }
    m_error = QStringLiteral("The catalogue \"%1\" cannot be read: %2 holds \"%3\", which is no known value.")
                  .arg(m_path, QLatin1StringView(field), value.toString());
    return false;
}

bool CatalogLoader::loadRecords(CatalogContents& contents)
{
    QSqlQuery query(m_database);
    if (!select("PluginRecord", QStringLiteral("\"id\""), query))
        return false;
    while (query.next()) {
        auto* record = new PluginRecord(query.value(1).toString(), query.value(2).toString());
        contents.records.append(record);
        record->m_id = query.value(0).toLongLong();
        record->m_displayVersion = query.value(3).toString();
        record->m_category = query.value(4).toString();
        record->m_bundleDescription = query.value(5).toString();
        record->m_isFavorite = query.value(6).toLongLong() != 0;
        record->m_notes = query.value(7).toString();
        m_maxId = std::max(m_maxId, record->id());
    }
    return query.lastError().type() == QSqlError::NoError || queryFailed(query);
}

bool CatalogLoader::loadInstalls(CatalogContents& contents)
{
    const QHash<qint64, PluginRecord*> records = indexById(contents.records);
    QSqlQuery query(m_database);
    // Relationship order first, so appending rebuilds each record's list as it was.
    if (!select("PluginInstall", QStringLiteral("\"groupOrder\", \"id\""), query))
        return false;
    while (query.next()) {
        auto* install = new PluginInstall(PluginInstall::LoadTag{});
        contents.installs.append(install);
        install->m_id = query.value(0).toLongLong();
        install->m_filePath = query.value(1).toString();
        if (!decode(query.value(2), "PluginInstall.format", install->m_format))
            return false;
        install->m_bundleID = query.value(3).toString();
        install->m_version = query.value(4).toString();
        if (!decode(query.value(5), "PluginInstall.architecture", install->m_architecture))
            return false;
        install->m_fileSize = query.value(6).toLongLong();
        install->m_dateModified = StoredValues::toDate(query.value(7));
        install->m_installDate = StoredValues::toDate(query.value(8));
        if (!decode(query.value(9), "PluginInstall.status", install->m_status))
            return false;
        install->m_groupOrder = query.value(11).toLongLong();
        install->m_auComponentType = query.value(12).toString();
        install->m_auComponentSubType = query.value(13).toString();
        install->m_auComponentManufacturer = query.value(14).toString();
        if (!decode(query.value(15), "PluginInstall.platform", install->m_platform))
            return false;
        install->m_pluginIdentifier = query.value(16).toString();
        install->m_isBridged = query.value(17).toLongLong() != 0;
        if (PluginRecord* record = records.value(query.value(10).toLongLong())) {
            install->m_group = record;
            record->m_installs.append(install);
        }
        m_maxId = std::max(m_maxId, install->id());
        m_maxSequence = std::max(m_maxSequence, install->m_groupOrder);
    }
    if (query.lastError().type() != QSqlError::NoError)
        return queryFailed(query);
    std::sort(contents.installs.begin(), contents.installs.end(), byId<PluginInstall>);
    return true;
}

bool CatalogLoader::loadParameters(CatalogContents& contents)
{
    const QHash<qint64, PluginInstall*> installs = indexById(contents.installs);
    QSqlQuery query(m_database);
    if (!select("PluginParameter", QStringLiteral("\"installOrder\", \"id\""), query))
        return false;
    while (query.next()) {
        auto* parameter = new PluginParameter;
        contents.parameters.append(parameter);
        parameter->m_id = query.value(0).toLongLong();
        parameter->m_name = query.value(1).toString();
        parameter->m_identifier = query.value(2).toString();
        parameter->m_minValue = query.value(3).toFloat();
        parameter->m_maxValue = query.value(4).toFloat();
        parameter->m_defaultValue = query.value(5).toFloat();
        parameter->m_unit = query.value(6).toString();
        parameter->m_installOrder = query.value(8).toLongLong();
        if (PluginInstall* install = installs.value(query.value(7).toLongLong())) {
            parameter->m_install = install;
            install->m_parameters.append(parameter);
        }
        m_maxId = std::max(m_maxId, parameter->id());
        m_maxSequence = std::max(m_maxSequence, parameter->m_installOrder);
    }
    if (query.lastError().type() != QSqlError::NoError)
        return queryFailed(query);
    std::sort(contents.parameters.begin(), contents.parameters.end(), byId<PluginParameter>);
    return true;
}

bool CatalogLoader::loadTags(CatalogContents& contents)
{
    QSqlQuery query(m_database);
    if (!select("Tag", QStringLiteral("\"id\""), query))
        return false;
    while (query.next()) {
        auto* tag = new Tag(query.value(1).toString());
        contents.tags.append(tag);
        tag->m_id = query.value(0).toLongLong();
        m_maxId = std::max(m_maxId, tag->id());
    }
    if (query.lastError().type() != QSqlError::NoError)
        return queryFailed(query);

    const QHash<qint64, PluginRecord*> records = indexById(contents.records);
    const QHash<qint64, Tag*> tags = indexById(contents.tags);
    QSqlQuery links(m_database);
    links.setForwardOnly(true);
    if (!links.exec(QStringLiteral("SELECT \"PluginRecord\", \"Tag\", \"linkOrder\" FROM \"%1\" ORDER BY \"linkOrder\"")
                        .arg(QLatin1StringView(CatalogSchema::tagLinkTable))))
        return queryFailed(links);
    while (links.next()) {
        PluginRecord* record = records.value(links.value(0).toLongLong());
        Tag* tag = tags.value(links.value(1).toLongLong());
        const qint64 order = links.value(2).toLongLong();
        if (!record || !tag || record->m_tags.contains(tag))
            continue;
        record->m_tags.append(tag);
        record->m_tagLinkOrders.append(order);
        tag->m_groups.append(record);
        m_maxSequence = std::max(m_maxSequence, order);
    }
    return links.lastError().type() == QSqlError::NoError || queryFailed(links);
}

bool CatalogLoader::loadBookmarks(CatalogContents& contents)
{
    QSqlQuery query(m_database);
    if (!select("ScanBookmark", QStringLiteral("\"id\""), query))
        return false;
    while (query.next()) {
        auto* bookmark = new ScanBookmark(query.value(1).toString(), query.value(2).toByteArray());
        contents.scanBookmarks.append(bookmark);
        bookmark->m_id = query.value(0).toLongLong();
        m_maxId = std::max(m_maxId, bookmark->id());
    }
    return query.lastError().type() == QSqlError::NoError || queryFailed(query);
}

bool CatalogLoader::loadContentFolders(CatalogContents& contents)
{
    QSqlQuery query(m_database);
    if (!select("ContentLibraryFolder", QStringLiteral("\"id\""), query))
        return false;
    while (query.next()) {
        auto* folder = new ContentLibraryFolder(query.value(1).toString(), query.value(2).toString(),
                                                query.value(3).toString(), query.value(4).toByteArray());
        contents.contentFolders.append(folder);
        folder->m_id = query.value(0).toLongLong();
        folder->setTotalBytes(query.value(5).toLongLong());
        folder->setLastScannedAt(StoredValues::toDate(query.value(6)));
        ContentLibraryStatus status{};
        if (!decode(query.value(7), "ContentLibraryFolder.status", status))
            return false;
        folder->setStatus(status);
        m_maxId = std::max(m_maxId, folder->id());
    }
    return query.lastError().type() == QSqlError::NoError || queryFailed(query);
}

bool CatalogLoader::loadContentItems(CatalogContents& contents)
{
    QSqlQuery query(m_database);
    if (!select("ContentLibraryItem", QStringLiteral("\"id\""), query))
        return false;
    while (query.next()) {
        auto* item = new ContentLibraryItem;
        contents.contentItems.append(item);
        item->m_id = query.value(0).toLongLong();
        item->setRootPath(query.value(1).toString());
        item->setPath(query.value(2).toString());
        item->setName(query.value(3).toString());
        item->setPublisher(query.value(4).toString());
        item->setTotalBytes(query.value(5).toLongLong());
        item->setLastScannedAt(StoredValues::toDate(query.value(6)));
        ContentLibraryStatus status{};
        if (!decode(query.value(7), "ContentLibraryItem.status", status))
            return false;
        item->setStatus(status);
        m_maxId = std::max(m_maxId, item->id());
    }
    return query.lastError().type() == QSqlError::NoError || queryFailed(query);
}

bool CatalogLoader::loadMetadata(CatalogContents& contents)
{
    QSqlQuery query(m_database);
    query.prepare(QStringLiteral("SELECT \"value\" FROM \"%1\" WHERE \"key\" = 'nextId'")
                      .arg(QLatin1StringView(CatalogSchema::metadataTable)));
    if (!query.exec())
        return queryFailed(query);
    const qint64 stored = query.next() ? query.value(0).toLongLong() : 0;
    contents.nextId = std::max(stored, m_maxId + 1);
    return true;
}
