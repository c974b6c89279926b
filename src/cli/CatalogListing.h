#pragma once

#include <QString>

class CatalogStore;

// The catalogue's plug-ins for the terminal: one line per record with found installs.
namespace CatalogListing {
[[nodiscard]] QString table(const CatalogStore& store);
} // namespace CatalogListing
