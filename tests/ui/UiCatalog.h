#pragma once

#include "model/CatalogStore.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

class PluginInstall;
class PluginRecord;

// Records and installs made straight in a catalogue, for the view tests.
namespace UiCatalog {

// One install per format, all found, with the given architecture (a raw value).
PluginRecord* addRecord(CatalogStore& store, const QString& name, const QString& publisher,
                        const QStringList& formats, const QString& architecture = QStringLiteral("Apple Silicon"));
PluginInstall* addInstall(CatalogStore& store, PluginRecord* record, const QString& format,
                          const QString& architecture = QStringLiteral("Apple Silicon"), bool found = true,
                          const QString& path = {});
void addBookmark(CatalogStore& store, const QString& path);

} // namespace UiCatalog
