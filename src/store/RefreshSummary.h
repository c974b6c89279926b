#pragma once

#include "discovery/UnreadableFolder.h"
#include "store/UpsertCoordinator.h"

#include <QHash>
#include <QString>
#include <QStringList>

class CatalogStore;

// What one refresh changed and what the catalogue holds afterwards, as the refresh driver reports
// it to every front end.
struct RefreshSummary {
    UpsertSummary changes;
    QStringList searchedFolders; // the granted folders the scan looked in, sorted
    int bundlesScanned = 0;      // plug-in bundles the scan found in them
    // Granted folders, content roots and folders inside them that could not be listed, in the
    // order they were met, each once.
    QList<UnreadableFolder> unreadableFolders;
    QStringList missingPaths;    // installs found before and not found now
    QStringList foundAgainPaths; // installs not found before and found now
    int plugins = 0;             // records with at least one found install
    int installs = 0;            // found installs
    qint64 pluginBytes = 0;
    int contentLibraries = 0; // found libraries
    qint64 contentBytes = 0;

    // Install statuses keyed by path and format, taken before the refresh.
    using Snapshot = QHash<QString, bool>;
    [[nodiscard]] static Snapshot snapshot(const CatalogStore& store);
    [[nodiscard]] static RefreshSummary after(const Snapshot& before, const UpsertSummary& changes,
                                              const CatalogStore& store);
    // Only the totals, from what the store holds.
    [[nodiscard]] static RefreshSummary totalsOf(const CatalogStore& store);

    // What a running refresh has done so far: "12 folders walked, 30 bundles found".
    [[nodiscard]] static QString progressText(int foldersWalked, int bundlesFound, int librariesMeasured);
    // One line for the window: "3 new, 1 missing, 2 found again", or "No changes".
    [[nodiscard]] QString briefText() const;
    // "Could not read 2 folders", or "" when every folder could be read.
    [[nodiscard]] QString unreadableText() const;
    [[nodiscard]] QString text() const;
    [[nodiscard]] QString totalsText() const;
    [[nodiscard]] QString json() const;
};
