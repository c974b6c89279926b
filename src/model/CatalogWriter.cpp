#include "model/CatalogWriter.h"

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

#include <algorithm>
#include <array>

using Kind = CatalogObject::Kind;
using namespace StoredValues;

namespace {

QString quoted(const QString& name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

QString insertSql(Kind kind)
{
    QStringList names{QStringLiteral("\"id\"")};
    QStringList marks{QStringLiteral("?")};
    for (const QString& column : CatalogSchema::columns(kind)) {
        names.append(quoted(column));
        marks.append(QStringLiteral("?"));
    }
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(quoted(CatalogSchema::tableName(kind)), names.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
}

QString updateSql(Kind kind)
{
    QStringList assignments;
    for (const QString& column : CatalogSchema::columns(kind))
        assignments.append(quoted(column) + QStringLiteral(" = ?"));
    return QStringLiteral("UPDATE %1 SET %2 WHERE \"id\" = ?")
        .arg(quoted(CatalogSchema::tableName(kind)), assignments.join(QLatin1Char(',')));
}

QVariant idOf(const CatalogObject* object)
{
    return object ? QVariant(object->id()) : QVariant(QMetaType::fromType<qint64>());
}

} // namespace

QVariantList CatalogWriter::values(const CatalogObject* object)
{
    switch (object->kind()) {
    case Kind::record: {
        const auto* r = static_cast<const PluginRecord*>(object);
        return {fromText(r->name()),    fromText(r->publisher()), fromText(r->displayVersion()),
                fromText(r->category()), fromText(r->bundleDescription()), qint64(r->isFavorite() ? 1 : 0),
                fromText(r->notes())};
    }
    case Kind::install: {
        const auto* i = static_cast<const PluginInstall*>(object);
        return {fromText(i->filePath()),
                fromEnum(i->format()),
                fromText(i->bundleID()),
                fromText(i->version()),
                fromEnum(i->architecture()),
                i->fileSize(),
                fromDate(i->dateModified()),
                fromDate(i->installDate()),
                fromEnum(i->status()),
                idOf(i->group()),
                i->m_groupOrder,
                fromText(i->auComponentType()),
                fromText(i->auComponentSubType()),
                fromText(i->auComponentManufacturer()),
                fromEnum(i->platform()),
                fromText(i->pluginIdentifier()),
                qint64(i->isBridged() ? 1 : 0)};
    }
    case Kind::parameter: {
        const auto* p = static_cast<const PluginParameter*>(object);
        return {fromText(p->name()),           fromText(p->identifier()), double(p->minValue()),
                double(p->maxValue()),         double(p->defaultValue()), fromText(p->unit()),
                idOf(p->install()),            p->m_installOrder};
    }
    case Kind::tag:
        return {fromText(static_cast<const Tag*>(object)->name())};
    case Kind::scanBookmark: {
        const auto* b = static_cast<const ScanBookmark*>(object);
        return {fromText(b->path()), fromBlob(b->bookmarkData())};
    }
    case Kind::contentFolder: {
        const auto* f = static_cast<const ContentLibraryFolder*>(object);
        return {fromText(f->path()),     fromText(f->name()),          fromText(f->publisher()),
                fromBlob(f->bookmarkData()), f->totalBytes(),          fromDate(f->lastScannedAt()),
                fromEnum(f->status())};
    }
    case Kind::contentItem: {
        const auto* c = static_cast<const ContentLibraryItem*>(object);
        return {fromText(c->rootPath()),  fromText(c->path()),          fromText(c->name()),
                fromText(c->publisher()), c->totalBytes(),              fromDate(c->lastScannedAt()),
                fromEnum(c->status())};
    }
    }
    return {};
}

StoreResult CatalogWriter::write(const CatalogChanges& changes)
{
    // IMMEDIATE takes the write lock up front, so a competing writer fails here, not half-way.
    if (!run(QStringLiteral("BEGIN IMMEDIATE")))
        return StoreResult::failure(m_error);
    // Rows of one save may refer to each other in any order; the references are checked at commit.
    const bool ok = run(QStringLiteral("PRAGMA defer_foreign_keys = ON")) &&
                    writeRows(changes.inserted, true) && writeRows(changes.updated, false) &&
                    writeLinks(changes.linkedRecords) && writeNextId(changes.nextId) &&
                    // Last: a deleted record's cascade must not take installs just moved away from it.
                    writeDeletes(changes) && run(QStringLiteral("COMMIT"));
    if (!ok) {
        const QString error = m_error;
        (void)run(QStringLiteral("ROLLBACK"));
        return StoreResult::failure(error);
    }
    return StoreResult::success();
}

bool CatalogWriter::run(const QString& sql)
{
    QSqlQuery query(m_database);
    return query.exec(sql) || failed(query);
}

bool CatalogWriter::failed(const QSqlQuery& query)
{
    m_error = QStringLiteral("Could not save the catalogue \"%1\": %2")
                  .arg(m_path, SqlErrorText::describe(query.lastError()));
    return false;
}

bool CatalogWriter::writeDeletes(const CatalogChanges& changes)
{
    for (const Kind kind : CatalogSchema::kinds) {
        QSqlQuery query(m_database);
        bool prepared = false;
        for (const auto& [deletedKind, id] : changes.deleted) {
            if (deletedKind != kind)
                continue;
            if (!prepared && !query.prepare(QStringLiteral("DELETE FROM %1 WHERE \"id\" = ?")
                                                .arg(quoted(CatalogSchema::tableName(kind)))))
                return failed(query);
            prepared = true;
            query.bindValue(0, id);
            if (!query.exec())
                return failed(query);
        }
    }
    return true;
}

bool CatalogWriter::writeRows(const QList<CatalogObject*>& objects, bool insert)
{
    std::array<QList<const CatalogObject*>, CatalogSchema::kinds.size()> byKind;
    for (const CatalogObject* object : objects)
        byKind[std::size_t(object->kind())].append(object);
    for (const Kind kind : CatalogSchema::kinds) {
        auto& list = byKind[std::size_t(kind)];
        if (list.isEmpty())
            continue;
        std::sort(list.begin(), list.end(), [](const auto* a, const auto* b) { return a->id() < b->id(); });
        QSqlQuery query(m_database);
        if (!query.prepare(insert ? insertSql(kind) : updateSql(kind)))
            return failed(query);
        for (const CatalogObject* object : list) {
            const QVariantList row = values(object);
            int index = 0;
            if (insert)
                query.bindValue(index++, object->id());
            for (const QVariant& value : row)
                query.bindValue(index++, value);
            if (!insert)
                query.bindValue(index, object->id());
            if (!query.exec())
                return failed(query);
        }
    }
    return true;
}

bool CatalogWriter::writeLinks(const QList<PluginRecord*>& records)
{
    if (records.isEmpty())
        return true;
    const QString table = quoted(QLatin1StringView(CatalogSchema::tagLinkTable));
    QSqlQuery clear(m_database);
    QSqlQuery add(m_database);
    if (!clear.prepare(QStringLiteral("DELETE FROM %1 WHERE \"PluginRecord\" = ?").arg(table)))
        return failed(clear);
    if (!add.prepare(QStringLiteral("INSERT INTO %1 (\"PluginRecord\", \"Tag\", \"linkOrder\") VALUES (?, ?, ?)")
                         .arg(table)))
        return failed(add);
    for (const PluginRecord* record : records) {
        clear.bindValue(0, record->id());
        if (!clear.exec())
            return failed(clear);
        for (qsizetype i = 0; i < record->m_tags.size(); ++i) {
            add.bindValue(0, record->id());
            add.bindValue(1, record->m_tags[i]->id());
            add.bindValue(2, record->m_tagLinkOrders[i]);
            if (!add.exec())
                return failed(add);
        }
    }
    return true;
}

bool CatalogWriter::writeNextId(qint64 nextId)
{
    QSqlQuery query(m_database);
    if (!query.prepare(QStringLiteral("INSERT OR REPLACE INTO \"%1\" (\"key\", \"value\") VALUES ('nextId', ?)")
                           .arg(QLatin1StringView(CatalogSchema::metadataTable))))
        return failed(query);
    query.bindValue(0, QString::number(nextId));
    return query.exec() || failed(query);
}
