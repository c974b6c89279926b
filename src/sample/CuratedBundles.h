#pragma once

#include "sample/BundleWriter.h"

#include <span>

// The fixed bundles of the sample library, one row each. Null texts are keys the bundle leaves out.
struct CuratedBundle {
    enum class Place {
        systemAU,
        systemVST,
        systemVST3,
        systemCLAP,
        systemAAX,
        userAU,
        userVST,
        userVST3,
        userCLAP,
        drive
    };
    enum class Weight { effect, instrument, library };

    Place place;
    const char* file;                 // folder under the drive (for Place::drive) and bundle name
    const char* bundleName = nullptr; // CFBundleName
    const char* identifier = nullptr;
    const char* shortVersion = nullptr;
    const char* bundleVersion = nullptr;
    const char* component = nullptr; // name of the first AudioComponents entry
    const char* type = nullptr;
    const char* subtype = nullptr;
    const char* manufacturer = nullptr;
    const char* copyright = nullptr;
    const char* getInfo = nullptr;
    ExecutableKind executable = ExecutableKind::universalArmIntel;
    Weight weight = Weight::effect;
    bool binaryPlist = false;
    bool writePlist = true;
    bool executableKey = true; // false: no CFBundleExecutable at all
};

namespace CuratedBundles {
std::span<const CuratedBundle> all();
} // namespace CuratedBundles
