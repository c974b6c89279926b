#pragma once

#include <QString>

#include <memory>

class CatalogStore;

// Opening and saving the catalogue for one command, with the failure told on standard error.
namespace CatalogSession {
// nullptr, with "Failed to create ModelContainer: " and the reason printed, when it cannot be opened.
[[nodiscard]] std::unique_ptr<CatalogStore> open(const QString& path);
// Writes every change of the command at once; false, with the reason printed, when that fails.
[[nodiscard]] bool save(CatalogStore& store);
// The folder argument as an absolute path without "." , ".." or a trailing separator.
[[nodiscard]] QString absolutePath(const QString& argument);
} // namespace CatalogSession
