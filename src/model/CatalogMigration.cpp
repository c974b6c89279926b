#include "model/CatalogMigration.h"

#include "model/CatalogSchema.h"
#include "model/SqlErrorText.h"

#include <QList>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

struct Step {
    const char* from;
    const char* to;
    QStringList statements;
};

const QList<Step>& steps()
{
    static const QList<Step> all{
        // Linux and Windows installs: the platform, the plug-in inside a shared bundle, bridging.
        // Every install written before was a macOS bundle holding one plug-in.
        {"1.0.0",
         "1.1.0",
         {u"ALTER TABLE \"PluginInstall\" ADD COLUMN \"platform\" TEXT NOT NULL DEFAULT 'macOS'"_s,
          u"ALTER TABLE \"PluginInstall\" ADD COLUMN \"pluginIdentifier\" TEXT NOT NULL DEFAULT ''"_s,
          u"ALTER TABLE \"PluginInstall\" ADD COLUMN \"isBridged\" INTEGER NOT NULL DEFAULT 0"_s}},
    };
    return all;
}

qsizetype firstStepFrom(const QString& version)
{
    for (qsizetype i = 0; i < steps().size(); ++i)
        if (version == QLatin1StringView(steps()[i].from))
            return i;
    return -1;
}

bool exec(const QSqlDatabase& db, const QString& sql, QSqlError& error)
{
    QSqlQuery query(db);
    if (query.exec(sql))
        return true;
    error = query.lastError();
    return false;
}

} // namespace

bool CatalogMigration::canMigrate(const QString& version)
{
    qsizetype i = firstStepFrom(version);
    if (i < 0)
        return false;
    QString reached = version;
    for (; i < steps().size() && QLatin1StringView(steps()[i].from) == reached; ++i)
        reached = QLatin1StringView(steps()[i].to);
    return reached == QLatin1StringView(CatalogSchema::version);
}

StoreResult CatalogMigration::migrate(const QSqlDatabase& database, const QString& fromVersion)
{
    if (!canMigrate(fromVersion))
        return StoreResult::failure(u"its schema version %1 is not supported."_s.arg(fromVersion));
    QSqlError error;
    if (!exec(database, u"BEGIN IMMEDIATE"_s, error))
        return StoreResult::failure(u"its schema version %1 must be upgraded, and the file cannot be written: %2"_s
                                        .arg(fromVersion, SqlErrorText::describe(error)));
    QString reached = fromVersion;
    for (qsizetype i = firstStepFrom(fromVersion); i < steps().size(); ++i) {
        const Step& step = steps()[i];
        QStringList statements = step.statements;
        statements.append(u"UPDATE \"%1\" SET \"value\" = '%2' WHERE \"key\" = 'schemaVersion'"_s.arg(
            QLatin1StringView(CatalogSchema::metadataTable), QLatin1StringView(step.to)));
        for (const QString& statement : std::as_const(statements)) {
            if (!exec(database, statement, error)) {
                QSqlError ignored;
                (void)exec(database, u"ROLLBACK"_s, ignored);
                return StoreResult::failure(u"its upgrade from schema %1 to %2 failed, and the file was left as it was: %3"_s
                                                .arg(reached, QLatin1StringView(step.to), SqlErrorText::describe(error)));
            }
        }
        reached = QLatin1StringView(step.to);
    }
    if (!exec(database, u"COMMIT"_s, error)) {
        QSqlError ignored;
        (void)exec(database, u"ROLLBACK"_s, ignored);
        return StoreResult::failure(u"its upgrade could not be written, and the file was left as it was: %1"_s.arg(
            SqlErrorText::describe(error)));
    }
    return StoreResult::success();
}
