// Any bytes as the start of a plug-in's executable.
#include "discovery/ExecutableArchitecture.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    (void)ExecutableArchitecture::fromHeader(
        QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
