#include "support/RawDatabase.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {
int connectionCounter = 0;
}

RawDatabase::RawDatabase(const QString& path) : m_name(QStringLiteral("RawDatabase-%1").arg(++connectionCounter))
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    db.setDatabaseName(path);
    if (!db.open())
        m_lastError = db.lastError().text();
}

RawDatabase::~RawDatabase()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

QSqlDatabase RawDatabase::database() const
{
    return QSqlDatabase::database(m_name, false);
}

QVariant RawDatabase::value(const QString& sql)
{
    const QList<QVariantList> all = rows(sql);
    return all.isEmpty() || all.first().isEmpty() ? QVariant() : all.first().first();
}

QList<QVariantList> RawDatabase::rows(const QString& sql)
{
    QSqlQuery query(database());
    QList<QVariantList> result;
    if (!query.exec(sql)) {
        m_lastError = query.lastError().text();
        return result;
    }
    while (query.next()) {
        QVariantList row;
        for (int i = 0; i < query.record().count(); ++i)
            row.append(query.value(i));
        result.append(row);
    }
    return result;
}

bool RawDatabase::exec(const QString& sql)
{
    QSqlQuery query(database());
    if (query.exec(sql))
        return true;
    m_lastError = query.lastError().text();
    return false;
}
