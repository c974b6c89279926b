#pragma once

#include <QString>

#include <vector>

// Versions compared as their dot-separated integer pieces.
namespace VersionOrder {

// The pieces that are wholly an optionally signed decimal 64-bit integer, in order; every other
// piece ("3b", " 1", "", "v2") is dropped.
[[nodiscard]] std::vector<qint64> numbers(const QString& version);
// Position by position, a missing position counting as 0; equal lists are not less.
[[nodiscard]] bool precedes(const std::vector<qint64>& left, const std::vector<qint64>& right);

} // namespace VersionOrder
