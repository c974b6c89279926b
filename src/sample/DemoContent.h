#pragma once

#include <QString>

class DemoStamps;

// The sample and instrument content of the sample library: vendor folders holding library
// folders, a few unrecognisable folders, and the metadata and cache folders installers leave.
namespace DemoContent {
// The number of library folders written, or -1 when something could not be written.
[[nodiscard]] int write(const QString& root, quint64 seed, DemoStamps& stamps);
} // namespace DemoContent
