#include "model/CatalogConnection.h"

#include "model/CatalogMigration.h"
#include "model/CatalogSchema.h"
#include "model/SqlErrorText.h"

#include "model/FilePathBytes.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <unistd.h>

namespace {

constexpr int notADatabase = 26;

QString nextConnectionName()
{
    static int counter = 0;
    return QStringLiteral("CatalogStore-%1").arg(++counter);
}

bool exec(const QSqlDatabase& db, const QString& sql, QSqlError* error = nullptr)
{
    QSqlQuery query(db);
    if (query.exec(sql))
        return true;
    if (error)
        *error = query.lastError();
    return false;
}

QString notACatalogue()
{
    return QStringLiteral("the file is not a plug-in catalogue.");
}

// A catalogue that exists but whose file or folder this process may not write (permissions, a
// read-only mount, an immutable file) is opened for reading only, so reading still works.
bool isReadOnlyFile(const QString& path)
{
    const QByteArray file = FilePathBytes::encode(path);
    if (::access(file.constData(), F_OK) != 0)
        return false;
    const QByteArray folder = FilePathBytes::encode(QFileInfo(path).absolutePath());
    return ::access(file.constData(), W_OK) != 0 || ::access(folder.constData(), W_OK) != 0;
}

QString readOnlyUri(const QString& path, bool immutable)
{
    QString uri = QStringLiteral("file:") + QString::fromLatin1(QUrl::toPercentEncoding(path, "/")) +
                  QStringLiteral("?mode=ro");
    return immutable ? uri + QStringLiteral("&immutable=1") : uri;
}

} // namespace

StoreResult CatalogConnection::open(int busyTimeoutMSecs)
{
    close();
    // SQLite takes an empty name for a private temporary database: every change would be lost.
    if (m_path.isEmpty())
        return StoreResult::failure(QStringLiteral("No catalogue file was given."));
    m_name = nextConnectionName();
    m_readOnly = isReadOnlyFile(m_path);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    QSqlError error;
    bool opened = false;
    if (m_readOnly) {
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
        // Without a writable folder the WAL index cannot be made; read the file as it stands then.
        for (const bool immutable : {false, true}) {
            db.setDatabaseName(readOnlyUri(m_path, immutable));
            opened = db.open() && exec(db, QStringLiteral("SELECT count(*) FROM sqlite_master"), &error);
            if (opened)
                break;
            error = error.isValid() ? error : db.lastError();
            db.close();
        }
    } else {
        db.setDatabaseName(m_path);
        opened = db.open();
        if (!opened)
            error = db.lastError();
    }
    if (opened && exec(db, QStringLiteral("PRAGMA foreign_keys = ON"), &error) &&
        exec(db, QStringLiteral("PRAGMA busy_timeout = %1").arg(busyTimeoutMSecs), &error))
        return StoreResult::success();
    return StoreResult::failure(QStringLiteral("The catalogue \"%1\" cannot be opened or created: %2")
                                    .arg(m_path, SqlErrorText::describe(error)));
}

void CatalogConnection::close()
{
    if (m_name.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
    m_name.clear();
}

QSqlDatabase CatalogConnection::database() const
{
    return QSqlDatabase::database(m_name, false);
}

void CatalogConnection::setBusyTimeout(int milliseconds)
{
    if (!m_name.isEmpty())
        (void)exec(database(), QStringLiteral("PRAGMA busy_timeout = %1").arg(milliseconds));
}

StoreResult CatalogConnection::refuse(const QString& why) const
{
    return StoreResult::failure(QStringLiteral("The catalogue \"%1\" cannot be opened: %2").arg(m_path, why));
}

StoreResult CatalogConnection::prepare()
{
    QSqlQuery tables(database());
    if (!tables.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"))) {
        if (SqlErrorText::sqliteCode(tables.lastError()) == notADatabase)
            return refuse(notACatalogue());
        return refuse(SqlErrorText::describe(tables.lastError()));
    }
    QStringList names;
    while (tables.next())
        names.append(tables.value(0).toString());
    tables.finish();

    StoreResult result = StoreResult::success();
    if (m_readOnly && names.isEmpty())
        result = refuse(QStringLiteral("the file is read-only and holds no catalogue."));
    else if (names.isEmpty())
        result = createSchema();
    else if (!names.contains(QLatin1StringView(CatalogSchema::metadataTable)))
        result = refuse(notACatalogue());
    else
        result = checkVersion(names);
    if (result && !m_readOnly) {
        // A read-only file keeps its journal mode and still opens for reading. FULL: a commit
        // that returned has reached the disk.
        (void)exec(database(), QStringLiteral("PRAGMA journal_mode = WAL"));
        (void)exec(database(), QStringLiteral("PRAGMA synchronous = FULL"));
    }
    return result;
}

StoreResult CatalogConnection::createSchema()
{
    const QSqlDatabase db = database();
    QSqlError error;
    if (!exec(db, QStringLiteral("PRAGMA journal_mode = WAL"), &error) ||
        !exec(db, QStringLiteral("BEGIN IMMEDIATE"), &error))
        return refuse(SqlErrorText::describe(error));
    QStringList statements = CatalogSchema::createStatements();
    statements.append(QStringLiteral("INSERT INTO \"%1\" (\"key\", \"value\") VALUES ('schemaVersion', '%2')")
                          .arg(QLatin1StringView(CatalogSchema::metadataTable),
                               QLatin1StringView(CatalogSchema::version)));
    statements.append(QStringLiteral("COMMIT"));
    for (const QString& statement : std::as_const(statements)) {
        if (!exec(db, statement, &error)) {
            (void)exec(db, QStringLiteral("ROLLBACK"));
            return refuse(SqlErrorText::describe(error));
        }
    }
    return StoreResult::success();
}

// Every table and column the loader reads: a foreign file that merely has a metadata table is
// refused here, before anything (the journal mode included) is changed.
bool CatalogConnection::hasEveryTable(const QStringList& names) const
{
    if (!names.contains(QLatin1StringView(CatalogSchema::tagLinkTable)))
        return false;
    for (const CatalogObject::Kind kind : CatalogSchema::kinds) {
        const QString table = CatalogSchema::tableName(kind);
        if (!names.contains(table))
            return false;
        QSqlQuery info(database());
        if (!info.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(table)))
            return false;
        QStringList columns;
        while (info.next())
            columns.append(info.value(1).toString());
        for (const QString& column : CatalogSchema::columns(kind))
            if (!columns.contains(column))
                return false;
    }
    return true;
}

StoreResult CatalogConnection::checkVersion(const QStringList& names)
{
    QSqlQuery query(database());
    if (!query.exec(QStringLiteral("SELECT \"value\" FROM \"%1\" WHERE \"key\" = 'schemaVersion'")
                        .arg(QLatin1StringView(CatalogSchema::metadataTable))) ||
        !query.next())
        return refuse(notACatalogue());
    const QString stored = query.value(0).toString();
    const QString supported = QLatin1StringView(CatalogSchema::version);
    static const QRegularExpression versionForm(QStringLiteral("^[0-9]{1,9}(\\.[0-9]{1,9}){0,7}$"));
    if (!versionForm.match(stored).hasMatch())
        return refuse(QStringLiteral("it is not a catalogue this program can read (its schema version is \"%1\").")
                          .arg(stored.left(40)));
    const int order = CatalogSchema::compareVersions(stored, supported);
    if (order == 0 && !hasEveryTable(names))
        return refuse(notACatalogue());
    if (order > 0)
        return refuse(
            QStringLiteral("it was written by a newer version of the application (schema %1; this version reads %2).")
                .arg(stored, supported));
    if (order < 0 && m_readOnly)
        return refuse(QStringLiteral("it was written by an earlier version (schema %1) and is read-only, so it cannot "
                                     "be brought up to schema %2.")
                          .arg(stored, supported));
    if (order < 0) {
        query.finish();
        if (StoreResult migrated = CatalogMigration::migrate(database(), stored); !migrated)
            return refuse(migrated.errorDescription());
    }
    return StoreResult::success();
}
