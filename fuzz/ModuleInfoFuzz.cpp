// Any bytes as a VST3 bundle's moduleinfo.json.
#include "discovery/ModuleInfoReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    (void)ModuleInfoReader::parse(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
