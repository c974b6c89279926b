#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <QVariantList>

// A direct SQLite connection to a catalogue file, to look at (or tamper with) what is stored, or to hold
// its write lock (BEGIN IMMEDIATE) as another process would.
class RawDatabase {
public:
    explicit RawDatabase(const QString& path);
    ~RawDatabase();
    RawDatabase(const RawDatabase&) = delete;
    RawDatabase& operator=(const RawDatabase&) = delete;

    // First column of the first row, invalid QVariant when the query fails or has no row.
    QVariant value(const QString& sql);
    // Every row, each as its list of column values.
    QList<QVariantList> rows(const QString& sql);
    bool exec(const QString& sql);
    QString lastError() const { return m_lastError; }
    QSqlDatabase database() const;

private:
    QString m_name;
    QString m_lastError;
};
