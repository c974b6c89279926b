#pragma once

#include <QLatin1StringView>

#include <array>

// Fixed tables for recognising content libraries by folder name. Everything is lower case
// except the vendor display names; row order matters.
namespace ContentVendors {

struct KnownVendor {
    QLatin1StringView needle; // searched for as a substring
    QLatin1StringView vendor;
};

// The first matching row wins, so more specific needles come before the ones they contain.
inline constexpr std::array<KnownVendor, 28> knownVendors{{
    {QLatin1StringView("spitfire audio"), QLatin1StringView("Spitfire Audio")},
    {QLatin1StringView("spitfire"), QLatin1StringView("Spitfire Audio")},
    {QLatin1StringView("native instruments"), QLatin1StringView("Native Instruments")},
    {QLatin1StringView("kontakt"), QLatin1StringView("Native Instruments")},
    {QLatin1StringView("orchestral tools"), QLatin1StringView("Orchestral Tools")},
    {QLatin1StringView("u-he"), QLatin1StringView("u-he")},
    {QLatin1StringView("uvi"), QLatin1StringView("UVI")},
    {QLatin1StringView("ik multimedia"), QLatin1StringView("IK Multimedia")},
    {QLatin1StringView("sampletank"), QLatin1StringView("IK Multimedia")},
    {QLatin1StringView("spectrasonics"), QLatin1StringView("Spectrasonics")},
    {QLatin1StringView("omnisphere"), QLatin1StringView("Spectrasonics")},
    {QLatin1StringView("trilian"), QLatin1StringView("Spectrasonics")},
    {QLatin1StringView("keyscape"), QLatin1StringView("Spectrasonics")},
    {QLatin1StringView("toontrack"), QLatin1StringView("Toontrack")},
    {QLatin1StringView("superior drummer"), QLatin1StringView("Toontrack")},
    {QLatin1StringView("ezdrummer"), QLatin1StringView("Toontrack")},
    {QLatin1StringView("eastwest"), QLatin1StringView("EastWest")},
    {QLatin1StringView("soundsonline"), QLatin1StringView("EastWest")},
    {QLatin1StringView("vienna"), QLatin1StringView("Vienna Symphonic Library")},
    {QLatin1StringView("vsl"), QLatin1StringView("Vienna Symphonic Library")},
    {QLatin1StringView("heavyocity"), QLatin1StringView("Heavyocity")},
    {QLatin1StringView("output"), QLatin1StringView("Output")},
    {QLatin1StringView("arturia"), QLatin1StringView("Arturia")},
    {QLatin1StringView("xlnaudio"), QLatin1StringView("XLN Audio")},
    {QLatin1StringView("xln audio"), QLatin1StringView("XLN Audio")},
    {QLatin1StringView("waves"), QLatin1StringView("Waves")},
    {QLatin1StringView("uaudio"), QLatin1StringView("Universal Audio")},
    {QLatin1StringView("universal audio"), QLatin1StringView("Universal Audio")},
}};

// Folders that hold one library per sub-folder, matched as whole names.
inline constexpr std::array<QLatin1StringView, 21> vendorFolderNames{{
    QLatin1StringView("arturia"),
    QLatin1StringView("eastwest"),
    QLatin1StringView("ik multimedia"),
    QLatin1StringView("native instruments"),
    QLatin1StringView("ni content"),
    QLatin1StringView("orchestral tools"),
    QLatin1StringView("output"),
    QLatin1StringView("spectrasonics"),
    QLatin1StringView("spitfire"),
    QLatin1StringView("spitfire audio"),
    QLatin1StringView("toontrack"),
    QLatin1StringView("u-he"),
    QLatin1StringView("universal audio"),
    QLatin1StringView("uvi"),
    QLatin1StringView("uvi soundbanks"),
    QLatin1StringView("vienna"),
    QLatin1StringView("vienna symphonic library"),
    QLatin1StringView("vsl"),
    QLatin1StringView("waves"),
    QLatin1StringView("xln audio"),
    QLatin1StringView("xlnaudio"),
}};

// Matched as the whole name or as its last word(s) after a space ("Kontakt Libraries").
inline constexpr std::array<QLatin1StringView, 7> genericLibraryFolderNames{{
    QLatin1StringView("sample libraries"),
    QLatin1StringView("sample library"),
    QLatin1StringView("samples"),
    QLatin1StringView("sound libraries"),
    QLatin1StringView("sound library"),
    QLatin1StringView("libraries"),
    QLatin1StringView("content"),
}};

} // namespace ContentVendors
