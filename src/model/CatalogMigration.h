#pragma once

#include "model/StoreResult.h"

#include <QSqlDatabase>
#include <QString>

// Brings a catalogue written by an earlier version up to the current schema. The numbered steps
// run in order inside one transaction: either the file reaches the current version with every
// record kept, or it is left exactly as it was.
class CatalogMigration {
public:
    // Whether steps lead from `version` to the current schema.
    [[nodiscard]] static bool canMigrate(const QString& version);
    // On failure the description says why, without the file's name.
    [[nodiscard]] static StoreResult migrate(const QSqlDatabase& database, const QString& fromVersion);
};
