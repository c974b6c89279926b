// Any bytes as a bundle's Info.plist, through to the description the catalogue keeps.
#include "discovery/BundleMetadataReader.h"
#include "discovery/PropertyList.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<QVariantMap> plist = PropertyList::dictionaryFromData(bytes, BundleMetadataReader::infoPlistKeys());
    if (!plist)
        return 0;
    const QString bundle = QStringLiteral("/nonexistent/Fuzz Plug.component");
    (void)BundleMetadataReader::metadataFromPlist(*plist, bundle);
    (void)BundleMetadataReader::executablePath(*plist, bundle);
    return 0;
}
