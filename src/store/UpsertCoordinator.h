#pragma once

#include "discovery/ScannedPlugin.h"
#include "model/StoreResult.h"

#include <QList>
#include <QString>

class CatalogStore;
class PluginInstall;

// What one upsert changed, for the front ends ("3 new, 1 missing").
struct UpsertSummary {
    int recordsCreated = 0;
    int installsCreated = 0;
    int installsMarkedNotFound = 0;
    int installsFoundAgain = 0;
    int recordsConsolidated = 0;

    bool operator==(const UpsertSummary&) const = default;
};

// Merges one scan result into the catalogue: one record per product, one install per bundle
// path and format; installs no longer seen are marked not found, never deleted.
class UpsertCoordinator {
public:
    // Consolidates duplicates first. On failure returns the store's error; changes made before
    // a failed save stay pending in the store.
    [[nodiscard]] StoreResult upsert(const QList<ScannedPlugin>& scanned, CatalogStore& store,
                                     UpsertSummary* summary = nullptr);
    [[nodiscard]] StoreResult consolidateDuplicates(CatalogStore& store, UpsertSummary* summary = nullptr);

    // Highest version among the found installs; the first wins among equals; "" with none found.
    [[nodiscard]] static QString highestVersion(const QList<PluginInstall*>& installs);
    // Numeric comparison of the dot-separated integer pieces ("1.10" > "1.9", "2.0" == "2").
    [[nodiscard]] static bool versionPrecedes(const QString& a, const QString& b);
};
