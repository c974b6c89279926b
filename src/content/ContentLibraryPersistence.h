#pragma once

#include "content/ContentLibraryScanResult.h"

#include <QDateTime>
#include <QFuture>
#include <QList>

class CatalogStore;
class ContentLibraryScanner;

// Measures the stored content roots and writes what was found back into the catalogue. Nothing
// is ever deleted here; libraries that have gone are marked notFound.
namespace ContentLibraryPersistence {

// Call on the store's thread; only the scan runs elsewhere, and the results are written on the
// store's thread once the event loop delivers them. The future finishes when they are written,
// at once when there is no content root (then nothing is scanned or saved). It is cancelled when
// the store goes away first. Its result is the folders the scan could not list. Failures are never
// reported: a failed save is ignored.
[[nodiscard]] QFuture<QList<UnreadableFolder>> refreshContentLibraries(CatalogStore& store, ContentLibraryScanner& scanner);

// Writes one scan's results and saves. Folders and items are read afresh, so results for roots
// removed while they were scanned are dropped, and items removed meanwhile are left alone.
// `now` dates the libraries that have disappeared.
void writeResults(CatalogStore& store, const QList<ContentLibraryScanResult>& results,
                  const QDateTime& now = QDateTime::currentDateTimeUtc());

} // namespace ContentLibraryPersistence
