// Any bytes as an Info.plist: the guards before libplist, libplist itself and the conversion.
#include "discovery/PropertyList.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    (void)PropertyList::dictionaryFromData(bytes);
    return 0;
}
