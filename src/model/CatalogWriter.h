#pragma once

#include "model/CatalogObject.h"
#include "model/StoreResult.h"

#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include <utility>

class PluginRecord;

// What a save must write.
struct CatalogChanges {
    QList<CatalogObject*> inserted;
    QList<CatalogObject*> updated;
    // Records whose tag links are rewritten.
    QList<PluginRecord*> linkedRecords;
    QList<std::pair<CatalogObject::Kind, qint64>> deleted;
    qint64 nextId = 1;
};

// Writes a set of changes in one transaction: all or nothing.
class CatalogWriter {
public:
    CatalogWriter(const QSqlDatabase& database, const QString& path) : m_database(database), m_path(path) {}

    [[nodiscard]] StoreResult write(const CatalogChanges& changes);

    // The stored column values of an object, in CatalogSchema::columns order.
    [[nodiscard]] static QVariantList values(const CatalogObject* object);

private:
    [[nodiscard]] bool run(const QString& sql);
    [[nodiscard]] bool writeDeletes(const CatalogChanges& changes);
    [[nodiscard]] bool writeRows(const QList<CatalogObject*>& objects, bool insert);
    [[nodiscard]] bool writeLinks(const QList<PluginRecord*>& records);
    [[nodiscard]] bool writeNextId(qint64 nextId);
    [[nodiscard]] bool failed(const QSqlQuery& query);

    QSqlDatabase m_database;
    QString m_path;
    QString m_error;
};
