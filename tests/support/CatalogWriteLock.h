#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

// Holds the catalogue's write lock from a second connection, as another process would.
class CatalogWriteLock {
public:
    explicit CatalogWriteLock(const QString& path)
        : m_name(QStringLiteral("CatalogWriteLock-%1").arg(++s_counter)) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        m_locked = db.open() && QSqlQuery(db).exec(QStringLiteral("BEGIN IMMEDIATE"));
    }
    ~CatalogWriteLock() {
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            if (m_locked)
                QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }
    CatalogWriteLock(const CatalogWriteLock&) = delete;
    CatalogWriteLock& operator=(const CatalogWriteLock&) = delete;

    [[nodiscard]] bool locked() const { return m_locked; }

private:
    static inline int s_counter = 0;
    QString m_name;
    bool m_locked = false;
};
