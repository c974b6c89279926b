#pragma once

#include "model/CatalogObject.h"

#include <QString>
#include <QStringList>

#include <array>

// The on-disk layout: one table per record type, named after it, one column per stored field,
// plus the tag links and a metadata table that carries the schema version.
namespace CatalogSchema {

inline constexpr auto version = "1.1.0";
inline constexpr auto metadataTable = "Metadata";
inline constexpr auto tagLinkTable = "PluginRecord_tags";

// In schema order.
inline constexpr std::array<CatalogObject::Kind, 7> kinds{
    CatalogObject::Kind::record,       CatalogObject::Kind::install,       CatalogObject::Kind::parameter,
    CatalogObject::Kind::tag,          CatalogObject::Kind::scanBookmark,  CatalogObject::Kind::contentFolder,
    CatalogObject::Kind::contentItem};

QString tableName(CatalogObject::Kind kind);
// The stored columns of a table after its `id`, in the order the loader and writer use.
const QStringList& columns(CatalogObject::Kind kind);
// Creates every table; run inside a transaction on an empty database.
QStringList createStatements();

// Versions compare numerically component by component; an unreadable version compares as newer,
// so a file this program cannot understand is never overwritten.
int compareVersions(const QString& a, const QString& b);

} // namespace CatalogSchema
