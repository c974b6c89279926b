#include "discovery/BundleMetadataReader.h"

#include "discovery/BundleExtension.h"
#include "discovery/ExecutableArchitecture.h"
#include "discovery/KnownVendors.h"
#include "discovery/PropertyList.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

constexpr const char* reverseDomainFirstLabels[] = {"com",   "net", "org", "io", "co", "app",
                                                    "audio", "pro", "de",  "uk", "fr", "se",
                                                    "es",    "no",  "tv",  "us", "eu"};

struct CategoryEntry {
    const char* type;
    const char* category;
};

constexpr CategoryEntry categories[] = {
    {"aumu", "Instrument"}, {"aumz", "Instrument"},     {"aufx", "Effect"}, {"aumf", "MIDI Effect"},
    {"aumi", "Mixer"},      {"auol", "Offline Effect"}, {"aupn", "Panner"}, {"aufc", "Format Converter"},
    {"augn", "Generator"},
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

} // namespace

namespace BundleMetadataReader {

const QStringList& infoPlistKeys()
{
    static const QStringList keys{u"CFBundleName"_s,          u"CFBundleShortVersionString"_s,
                                  u"CFBundleVersion"_s,       u"CFBundleIdentifier"_s,
                                  u"CFBundleGetInfoString"_s, u"NSHumanReadableCopyright"_s,
                                  u"CFBundleExecutable"_s,    u"AudioComponents"_s};
    return keys;
}

std::optional<QVariantMap> readInfoPlist(const QString& bundlePath)
{
    // Only what the description uses is converted: the rest may be large and is never looked at.
    return PropertyList::readDictionary(bundlePath + u"/Contents/Info.plist"_s, infoPlistKeys());
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
    metadata.publisher = publisherFromAudioComponents(plist).value_or(
        publisherFromBundleID(metadata.bundleID).value_or(metadata.name));
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
    if (!name || name->isEmpty() || name->contains(u'/') || name->contains(QChar(0)) || *name == u"."_s ||
        *name == u".."_s)
        return std::nullopt;
    return bundlePath + u"/Contents/MacOS/"_s + *name;
}

PluginArchitecture readArchitecture(const QString& executablePath)
{
    return ExecutableArchitecture::read(executablePath);
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
