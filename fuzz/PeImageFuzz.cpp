// Any bytes as a PE DLL: headers, sections, export directory, VERSIONINFO resource tree.
#include "discovery/BoundedFile.h"
#include "discovery/PeImageReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    BoundedFile file(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), 8 * 1024 * 1024);
    (void)PeImageReader::read(file);
    return 0;
}
