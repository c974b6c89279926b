// Any bytes as an LV2 bundle's Turtle: the text before the first NUL is manifest.ttl, the rest
// the plugin.ttl it may name with rdfs:seeAlso.
#include "discovery/Lv2BundleReader.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

void write(const QString& path, QByteArrayView bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes.data(), bytes.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir folder;
    static const QString bundle = folder.filePath(QStringLiteral("fuzz.lv2"));
    static const bool made = QDir().mkpath(bundle);
    if (!made)
        return 0;
    const QByteArrayView input(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype split = input.indexOf('\0');
    write(bundle + QStringLiteral("/manifest.ttl"), split < 0 ? input : input.first(split));
    write(bundle + QStringLiteral("/plugin.ttl"), split < 0 ? QByteArrayView() : input.sliced(split + 1));
    (void)Lv2BundleReader::read(bundle);
    return 0;
}
