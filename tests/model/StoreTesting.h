#pragma once

#include "model/CatalogStore.h"

#include <QString>

#include <memory>

// Helpers shared by the catalogue store tests.
namespace StoreTesting {

// Opens the catalogue or fails the current test with the error text.
std::unique_ptr<CatalogStore> openStore(const QString& path);

QByteArray fileBytes(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);

} // namespace StoreTesting
