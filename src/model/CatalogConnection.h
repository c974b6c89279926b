#pragma once

#include "model/StoreResult.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// One named QtSql connection to a catalogue file, with the pragmas every use needs.
class CatalogConnection {
public:
    explicit CatalogConnection(const QString& path) : m_path(path) {}
    ~CatalogConnection() { close(); }
    CatalogConnection(const CatalogConnection&) = delete;
    CatalogConnection& operator=(const CatalogConnection&) = delete;

    [[nodiscard]] StoreResult open(int busyTimeoutMSecs);
    void close();
    // Checks that the file is a catalogue this program can read, creating the schema in a new
    // or empty file. Looks before it writes: a file that is not ours or is too new is left as
    // it was.
    [[nodiscard]] StoreResult prepare();
    void setBusyTimeout(int milliseconds);
    [[nodiscard]] QSqlDatabase database() const;
    // Opened for reading only: the file or its folder may not be written. Saves then fail.
    [[nodiscard]] bool isReadOnly() const { return m_readOnly; }

private:
    [[nodiscard]] StoreResult createSchema();
    [[nodiscard]] StoreResult checkVersion(const QStringList& tableNames);
    [[nodiscard]] bool hasEveryTable(const QStringList& tableNames) const;
    [[nodiscard]] StoreResult refuse(const QString& why) const;

    QString m_path;
    QString m_name;
    bool m_readOnly = false;
};
