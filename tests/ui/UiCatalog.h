#pragma once

#include "model/CatalogStore.h"
#include "support/TemporaryCatalogue.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

class ContentLibraryFolder;
class ContentLibraryItem;
class PluginInstall;
class PluginRecord;

// The shared temporary catalogue, its folder under the name the view tests use.
class CatalogTest : public TemporaryCatalogue {
protected:
    const QTemporaryDir& m_folder = m_dir;
};

// Records and installs made straight in a catalogue, for the view tests.
namespace UiCatalog {

// One install per format, all found, with the given architecture (a raw value).
PluginRecord* addRecord(CatalogStore& store, const QString& name, const QString& publisher,
                        const QStringList& formats, const QString& architecture = QStringLiteral("Apple Silicon"));
PluginInstall* addInstall(CatalogStore& store, PluginRecord* record, const QString& format,
                          const QString& architecture = QStringLiteral("Apple Silicon"), bool found = true,
                          const QString& path = {});
void addBookmark(CatalogStore& store, const QString& path);
// A content root named after its last component, found, never measured.
ContentLibraryFolder* addContentFolder(CatalogStore& store, const QString& path);
// A found library measured at `bytes`.
ContentLibraryItem* addContentItem(CatalogStore& store, const QString& rootPath, const QString& path,
                                   const QString& name, const QString& publisher, qint64 bytes);

} // namespace UiCatalog
