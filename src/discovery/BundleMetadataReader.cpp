#include "discovery/BundleMetadataReader.h"

#include "discovery/BundleExtension.h"
#include "discovery/KnownVendors.h"
#include "discovery/PropertyList.h"

#include <QFile>
#include <QStringList>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

using namespace Qt::StringLiterals;

namespace {

constexpr const char* reverseDomainFirstLabels[] = {"com", "net", "org", "io", "co", "app", "audio", "pro", "de",
                                                    "uk", "fr", "se", "es", "no", "tv", "us", "eu"};

struct CategoryEntry {
    const char* type;
    const char* category;
};

constexpr CategoryEntry categories[] = {
    {"aumu", "Instrument"},     {"aumz", "Instrument"}, {"aufx", "Effect"},
    {"aumf", "MIDI Effect"},    {"aumi", "Mixer"},      {"auol", "Offline Effect"},
    {"aupn", "Panner"},         {"aufc", "Format Converter"}, {"augn", "Generator"},
};

QString stringOrEmpty(const QVariantMap& map, const QString& key)
{
    return PropertyList::string(map, key).value_or(QString());
}

// The first element of "AudioComponents" when that is a non-empty array of dictionaries only.
std::optional<QVariantMap> firstAudioComponent(const QVariantMap& plist)
{
    const auto it = plist.constFind(u"AudioComponents"_s);
    if (it == plist.cend() || it->typeId() != QMetaType::QVariantList)
        return std::nullopt;
    const QVariantList components = it->toList();
    if (components.isEmpty())
        return std::nullopt;
    for (const QVariant& component : components)
        if (component.typeId() != QMetaType::QVariantMap)
            return std::nullopt;
    return components.first().toMap();
}

bool isHorizontalWhiteSpace(QChar c)
{
    return c == u'\t' || c.category() == QChar::Separator_Space;
}

QString trimmedHorizontally(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isHorizontalWhiteSpace(text.at(begin)))
        ++begin;
    while (end > begin && isHorizontalWhiteSpace(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

QString lastPathComponent(const QString& path)
{
    QStringView view(path);
    while (view.size() > 1 && view.endsWith(u'/'))
        view.chop(1);
    return view.mid(view.lastIndexOf(u'/') + 1).toString();
}

PluginArchitecture architectureOfCpuType(quint32 cpuType)
{
    switch (cpuType) {
    case 0x0100000C: return PluginArchitecture::arm64;
    case 0x01000007: return PluginArchitecture::x86_64;
    default: return PluginArchitecture::unknown;
    }
}

quint32 little32(const uchar* bytes)
{
    return quint32(bytes[0]) | quint32(bytes[1]) << 8 | quint32(bytes[2]) << 16 | quint32(bytes[3]) << 24;
}

quint32 big32(const uchar* bytes)
{
    return quint32(bytes[0]) << 24 | quint32(bytes[1]) << 16 | quint32(bytes[2]) << 8 | quint32(bytes[3]);
}

// Fills up to `count` bytes; -1 on a read error.
qsizetype readUpTo(int fd, uchar* buffer, qsizetype count)
{
    qsizetype filled = 0;
    while (filled < count) {
        const ssize_t got = ::read(fd, buffer + filled, size_t(count - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        filled += got;
    }
    return filled;
}

PluginArchitecture architectureOfOpenFile(int fd)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return PluginArchitecture::unknown;

    uchar head[8];
    const qsizetype headSize = readUpTo(fd, head, sizeof head);
    if (headSize < 4)
        return PluginArchitecture::unknown;

    const quint32 magic = little32(head);
    if (magic == 0xFEEDFACF || magic == 0xFEEDFACE)
        return headSize < 8 ? PluginArchitecture::unknown : architectureOfCpuType(little32(head + 4));
    if (magic == 0xCFFAEDFE || magic == 0xCEFAEDFE)
        return headSize < 8 ? PluginArchitecture::unknown : architectureOfCpuType(big32(head + 4));

    const quint32 fatMagic = big32(head);
    if (fatMagic != 0xCAFEBABE && fatMagic != 0xCAFEBABF)
        return PluginArchitecture::unknown;
    if (headSize < 8)
        return PluginArchitecture::unknown;
    const quint32 count = big32(head + 4);
    if (count == 0 || count > 8)
        return PluginArchitecture::unknown;
    const qsizetype stride = fatMagic == 0xCAFEBABE ? 20 : 32;
    uchar records[8 * 32];
    const qsizetype wanted = qsizetype(count) * stride;
    if (readUpTo(fd, records, wanted) < wanted)
        return PluginArchitecture::unknown;

    bool hasArm = false;
    bool hasIntel = false;
    for (quint32 i = 0; i < count; ++i) {
        const PluginArchitecture slice = architectureOfCpuType(big32(records + qsizetype(i) * stride));
        hasArm = hasArm || slice == PluginArchitecture::arm64;
        hasIntel = hasIntel || slice == PluginArchitecture::x86_64;
    }
    if (hasArm && hasIntel)
        return PluginArchitecture::universal;
    if (hasArm)
        return PluginArchitecture::arm64;
    if (hasIntel)
        return PluginArchitecture::x86_64;
    return PluginArchitecture::unknown;
}

} // namespace

namespace BundleMetadataReader {

std::optional<QVariantMap> readInfoPlist(const QString& bundlePath)
{
    return PropertyList::readDictionary(bundlePath + u"/Contents/Info.plist"_s);
}

std::optional<Metadata> readMetadata(const QString& bundlePath)
{
    const std::optional<QVariantMap> plist = readInfoPlist(bundlePath);
    if (!plist)
        return std::nullopt;
    return metadataFromPlist(*plist, bundlePath);
}

Metadata metadataFromPlist(const QVariantMap& plist, const QString& bundlePath)
{
    Metadata metadata;
    const QString fileName = BundleExtension::removingExtension(lastPathComponent(bundlePath)).toString();
    const QString bundleName = stringOrEmpty(plist, u"CFBundleName"_s);
    // A spaced spelling is the readable one, whichever of the two carries it.
    if (bundleName.isEmpty())
        metadata.name = fileName;
    else if (bundleName.contains(u' '))
        metadata.name = bundleName;
    else if (fileName.contains(u' '))
        metadata.name = fileName;
    else
        metadata.name = bundleName;

    metadata.bundleID = stringOrEmpty(plist, u"CFBundleIdentifier"_s);
    metadata.version = PropertyList::string(plist, u"CFBundleShortVersionString"_s)
                           .value_or(stringOrEmpty(plist, u"CFBundleVersion"_s));
    metadata.publisher = publisherFromAudioComponents(plist)
                             .value_or(publisherFromBundleID(metadata.bundleID).value_or(metadata.name));
    metadata.category = categoryFromAudioComponents(plist);
    metadata.bundleDescription = PropertyList::string(plist, u"CFBundleGetInfoString"_s)
                                     .value_or(stringOrEmpty(plist, u"NSHumanReadableCopyright"_s));
    const AudioComponentCodes codes = audioComponentCodes(plist);
    metadata.auComponentType = codes.type;
    metadata.auComponentSubType = codes.subtype;
    metadata.auComponentManufacturer = codes.manufacturer;
    return metadata;
}

std::optional<QString> executablePath(const QVariantMap& plist, const QString& bundlePath)
{
    const std::optional<QString> name = PropertyList::string(plist, u"CFBundleExecutable"_s);
    if (!name || name->isEmpty() || name->contains(u'/') || name->contains(QChar(0)) || *name == u"."_s || *name == u".."_s)
        return std::nullopt;
    return bundlePath + u"/Contents/MacOS/"_s + *name;
}

PluginArchitecture readArchitecture(const QString& executablePath)
{
    // Non-blocking so that a FIFO in place of the executable cannot stall the scan.
    const int fd = ::open(QFile::encodeName(executablePath).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return PluginArchitecture::unknown;
    const PluginArchitecture architecture = architectureOfOpenFile(fd);
    ::close(fd);
    return architecture;
}

std::optional<QString> publisherFromAudioComponents(const QVariantMap& plist)
{
    const std::optional<QVariantMap> component = firstAudioComponent(plist);
    if (!component)
        return std::nullopt;
    const std::optional<QString> name = PropertyList::string(*component, u"name"_s);
    if (!name)
        return std::nullopt;
    const QStringList pieces = name->split(u": "_s);
    if (pieces.size() < 2)
        return std::nullopt;
    const QString publisher = trimmedHorizontally(pieces.first());
    if (publisher.isEmpty())
        return std::nullopt;
    return publisher;
}

std::optional<QString> publisherFromBundleID(const QString& bundleID)
{
    if (bundleID.isEmpty())
        return std::nullopt;
    const QStringList labels = bundleID.split(u'.');
    if (labels.size() < 2)
        return std::nullopt;
    const QString first = labels.first().toLower();
    for (const char* domain : reverseDomainFirstLabels) {
        if (first == QLatin1StringView(domain))
            return knownVendor(labels.at(1)).value_or(titleCaseLabel(labels.at(1)));
    }
    // Some hosts give bundles an identifier that is just the bundle's file name.
    if (BundleExtension::formatFor(labels.last()))
        return u"Native Instruments"_s;
    return std::nullopt;
}

std::optional<QString> knownVendor(const QString& label)
{
    return KnownVendors::displayName(label);
}

QString titleCaseLabel(const QString& label)
{
    QStringList pieces = label.split(u'-');
    for (QString& piece : pieces) {
        if (piece.isEmpty())
            continue;
        const qsizetype firstLength = piece.at(0).isHighSurrogate() && piece.size() > 1 ? 2 : 1;
        piece = piece.left(firstLength).toUpper() + piece.mid(firstLength);
    }
    return pieces.join(u' ');
}

QString categoryFromAudioComponents(const QVariantMap& plist)
{
    const std::optional<QVariantMap> component = firstAudioComponent(plist);
    if (!component)
        return {};
    const std::optional<QString> type = PropertyList::string(*component, u"type"_s);
    if (!type)
        return {};
    for (const CategoryEntry& entry : categories)
        if (*type == QLatin1StringView(entry.type))
            return QString::fromLatin1(entry.category);
    return u"Audio Unit"_s;
}

AudioComponentCodes audioComponentCodes(const QVariantMap& plist)
{
    const std::optional<QVariantMap> component = firstAudioComponent(plist);
    if (!component)
        return {};
    return {stringOrEmpty(*component, u"type"_s), stringOrEmpty(*component, u"subtype"_s),
            stringOrEmpty(*component, u"manufacturer"_s)};
}

} // namespace BundleMetadataReader
