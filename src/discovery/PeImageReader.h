#pragma once

#include "discovery/BinaryImageInfo.h"

class BoundedFile;

// PE/COFF: machine, PE32/PE32+, the DLL flag, entry exports from the export directory,
// clap_entry's version, and ProductName, CompanyName and FileVersion from the VERSIONINFO
// resource. The resource tree is walked only to its three fixed levels, each directory once.
namespace PeImageReader {

// `file` must hold an image starting with "MZ"; kind stays `none` when there is no PE header.
[[nodiscard]] BinaryImageInfo read(BoundedFile& file);

} // namespace PeImageReader
