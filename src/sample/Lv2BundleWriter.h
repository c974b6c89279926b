#pragma once

#include "sample/ElfImageWriter.h"

#include <QList>
#include <QString>

// Writes LV2 bundles as packages install them: a manifest.ttl naming the plug-ins and their
// binary, the descriptions split over seeAlso files, a generated ELF header as the binary.
struct Lv2PluginSpec {
    QString uri{};
    QString name{};        // doap:name; for a preset, its rdfs:label
    QString pluginClass{}; // an lv2core class such as "ReverbPlugin"; empty for lv2:Plugin alone
    int minorVersion = -1; // -1 leaves lv2:minorVersion out
    int microVersion = -1;
    QString seeAlso{}; // the file holding the description; empty: all of it in manifest.ttl
};

struct Lv2BundleSpec {
    enum class Kind { plugins, specification, presets };
    // Where the publisher's name is: as real bundles vary, and sometimes nowhere.
    enum class Publisher { maintainer, projectMaintainer, developer, none };

    QString path{}; // the bundle folder, ".../calf.lv2"
    Kind kind = Kind::plugins;
    QList<Lv2PluginSpec> plugins{}; // presets for Kind::presets, nothing for a specification
    Publisher publisherForm = Publisher::maintainer;
    QString publisher{};        // foaf:name
    QString binary{};           // file name of the plug-ins' shared object
    ElfImageSpec binaryImage{}; // lv2_descriptor is exported whatever the list says
    QString uiBinary{};         // a UI's shared object beside it; empty for none
    QString appliesTo{};        // for presets: the plug-in they are for
    int extraFiles = 0;       // further files (web UI, images) in a subfolder
    qint64 extraBytes = 0;
};

namespace Lv2BundleWriter {
// The Turtle text of manifest.ttl, then of each seeAlso file, keyed by file name.
[[nodiscard]] QList<std::pair<QString, QByteArray>> files(const Lv2BundleSpec& bundleSpec);
[[nodiscard]] bool write(const Lv2BundleSpec& bundleSpec);
} // namespace Lv2BundleWriter
