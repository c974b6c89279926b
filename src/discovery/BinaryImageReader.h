#pragma once

#include "discovery/BinaryImageInfo.h"

#include <QString>

// Reads the header of an ELF, PE or Mach-O image, choosing the reader by the file's magic.
// Never maps or loads the file; anything unreadable gives kind `none`.
namespace BinaryImageReader {

[[nodiscard]] BinaryImageInfo read(const QString& path);
[[nodiscard]] BinaryImageInfo fromBytes(const QByteArray& image);

} // namespace BinaryImageReader
