#pragma once

#include "discovery/BinaryImageInfo.h"

class BoundedFile;

// ELF: class, byte order, type and machine from the header, entry exports from .dynsym, and
// clap_entry's version through the PT_LOAD segments. Every table size, count and offset is
// checked against the file and a fixed budget.
namespace ElfImageReader {

// `file` must hold an image starting with "\x7fELF"; kind stays `none` when the header is bad.
[[nodiscard]] BinaryImageInfo read(BoundedFile& file);

} // namespace ElfImageReader
