#pragma once

#include "sample/ElfImageWriter.h"
#include "sample/PeImageWriter.h"

#include <QList>
#include <QString>
#include <QStringList>

// Writes VST3 bundles as Linux and Windows installs hold them: Contents/<arch>/<stem>.so or
// .vst3 with a generated ELF or PE header, and a moduleinfo.json where the plug-in ships one.
struct ModuleInfoClassSpec {
    QString name{};
    QStringList subCategories{}; // empty for a controller class
    bool controller = false;   // "Component Controller Class": never a plug-in of its own
};

struct Vst3BundleSpec {
    enum class ModuleInfoPlace { none, resources, contents };

    QString path{};               // ".../Surge XT.vst3"
    QString architectureFolder{}; // "x86_64-linux", "x86_64-win"...; names the binary's extension too
    ElfImageSpec elf{};           // for a *-linux folder
    PeImageSpec pe{};             // for a *-win folder
    ModuleInfoPlace moduleInfoPlace = ModuleInfoPlace::none;
    QString vendor{};
    QString version{};
    QList<ModuleInfoClassSpec> classes{};
    bool relaxedJson = true; // comments and trailing commas, as the SDK's own files have them
    int resourceFiles = 0;   // further files in Contents/Resources
    qint64 resourceBytes = 0;
};

namespace Vst3BundleWriter {
// moduleinfo.json for the bundle; class identifiers follow from the names, so they are stable.
[[nodiscard]] QByteArray moduleInfo(const Vst3BundleSpec& bundleSpec);
[[nodiscard]] bool write(const Vst3BundleSpec& bundleSpec);
} // namespace Vst3BundleWriter
