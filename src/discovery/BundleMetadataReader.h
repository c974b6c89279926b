#pragma once

#include "model/PluginArchitecture.h"

#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <optional>

// Describes one plug-in bundle from its Info.plist and the header of its executable. Stateless.
namespace BundleMetadataReader {

// Nine texts; an empty one means the bundle does not say.
struct Metadata {
    QString name;
    QString publisher;
    QString version;
    QString bundleID;
    QString category;
    QString bundleDescription;
    QString auComponentType;
    QString auComponentSubType;
    QString auComponentManufacturer;

    bool operator==(const Metadata&) const = default;
};

struct AudioComponentCodes {
    QString type;
    QString subtype;
    QString manufacturer;

    bool operator==(const AudioComponentCodes&) const = default;
};

// No value when the bundle has no readable Contents/Info.plist with a dictionary root.
[[nodiscard]] std::optional<Metadata> readMetadata(const QString& bundlePath);

// The pieces of readMetadata, so that a caller reads the property list only once.
[[nodiscard]] std::optional<QVariantMap> readInfoPlist(const QString& bundlePath);
// The Info.plist keys the description is made from; readInfoPlist keeps only these.
[[nodiscard]] const QStringList& infoPlistKeys();
[[nodiscard]] Metadata metadataFromPlist(const QVariantMap& plist, const QString& bundlePath);
// Contents/MacOS/<CFBundleExecutable>; no value when the key is absent or not a usable name.
[[nodiscard]] std::optional<QString> executablePath(const QVariantMap& plist, const QString& bundlePath);

// Reads at most 8 + 8 × 32 bytes; `unknown` on any problem.
[[nodiscard]] PluginArchitecture readArchitecture(const QString& executablePath);

[[nodiscard]] std::optional<QString> publisherFromAudioComponents(const QVariantMap& plist);
[[nodiscard]] std::optional<QString> publisherFromBundleID(const QString& bundleID);
[[nodiscard]] std::optional<QString> knownVendor(const QString& label);
[[nodiscard]] QString titleCaseLabel(const QString& label);
[[nodiscard]] QString categoryFromAudioComponents(const QVariantMap& plist);
[[nodiscard]] AudioComponentCodes audioComponentCodes(const QVariantMap& plist);

} // namespace BundleMetadataReader
