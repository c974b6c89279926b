#pragma once

#include "store/RefreshSummary.h"
#include "discovery/ScanRoots.h"

#include <QString>

class CatalogStore;

// One refresh of the catalogue run to its end, with its progress shown on a terminal.
struct RefreshRun {
    QString error; // the upsert's failure; empty when the refresh succeeded
    RefreshSummary summary;

    [[nodiscard]] static RefreshRun run(CatalogStore& store, const ScanRoots& roots);
};
