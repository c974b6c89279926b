#pragma once

#include "discovery/ScanRoots.h"

#include <QString>

class CatalogStore;

// The sample library as the desktop demo uses it: written once, its plug-in folders granted and
// its sample drive added as a content root, so the folder sheet shows them and a refresh finds them.
namespace DemoSetup {

[[nodiscard]] QString defaultLibraryPath();
[[nodiscard]] QString defaultStorePath();
// Whether root holds something already (a sample library written earlier).
[[nodiscard]] bool libraryExists(const QString& root);
// Whether root holds a sample library of the current layout.
[[nodiscard]] bool libraryIsCurrent(const QString& root);
// Writes the sample library into root unless one of the current layout is there; a sample
// library of an earlier layout is replaced, anything else in root is refused.
[[nodiscard]] bool ensureLibrary(const QString& root, QString* errorDescription);
// The sample library as the system to scan: its root, and its user's home.
[[nodiscard]] ScanRoots roots(const QString& root);
// Grants the plug-in folders and adds the sample drive (renewing what exists), then saves.
void grantFolders(CatalogStore& store, const QString& root);

} // namespace DemoSetup
