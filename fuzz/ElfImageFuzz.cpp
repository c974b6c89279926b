// Any bytes as an ELF shared object: header, dynamic symbols, clap_entry's segment.
#include "discovery/BoundedFile.h"
#include "discovery/ElfImageReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    BoundedFile file(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), 8 * 1024 * 1024);
    (void)ElfImageReader::read(file);
    return 0;
}
