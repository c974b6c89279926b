#pragma once

#include "model/CatalogStore.h"
#include "support/TemporaryCatalogue.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>

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

// One property of each object as text, in the list's order; bytes read as UTF-8.
template <typename T>
QStringList propertyTexts(const QList<T*>& objects, const char* property)
{
    QStringList texts;
    for (const T* object : objects)
        texts.append(object->property(property).toString());
    return texts;
}

} // namespace UiCatalog
