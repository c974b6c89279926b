#include "content/ContentLibraryScanner.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using Scanner = ContentLibraryScanner;

struct VendorCase {
    const char* path;
    const char* vendor; // nullptr: none
};

std::optional<QString> expected(const char* vendor)
{
    return vendor ? std::optional<QString>(QString::fromUtf8(vendor)) : std::nullopt;
}

TEST(ContentVendorsTest, VendorFromFolderNameUsesFirstMatchingRow)
{
    const VendorCase cases[] = {
        {"/x/Spitfire Audio", "Spitfire Audio"},
        {"/x/SPITFIRE Labs", "Spitfire Audio"},
        // "waves" (row 26) comes before "universal audio" (row 28).
        {"/x/Universal Audio Waves", "Waves"},
        // "spitfire" (row 2) before "kontakt" (row 4).
        {"/x/Kontakt Spitfire", "Spitfire Audio"},
        // "uvi" is a plain substring search.
        {"/x/Fluvial Loops", "UVI"},
        {"/x/Plain Folder", nullptr},
        {"/Spitfire Audio/Plain Folder", nullptr},
        {"", nullptr},
    };
    for (const VendorCase& c : cases)
        EXPECT_EQ(Scanner::vendorFromFolderName(QString::fromUtf8(c.path)), expected(c.vendor)) << c.path;
}

TEST(ContentVendorsTest, VendorFromPathTestsNameAndPathPerRow)
{
    const VendorCase cases[] = {
        {"/Drive/Spitfire Audio/Plain Folder", "Spitfire Audio"},
        // An earlier row anywhere in the path beats a later row in the folder name.
        {"/Drive/Spitfire Audio/Kontakt Things", "Spitfire Audio"},
        // An earlier row in the name beats a later row in the path.
        {"/Drive/Native Instruments/Spitfire Strings", "Spitfire Audio"},
        {"/Drive/Kontakt Libraries", "Native Instruments"},
        {"/Drive/Projects/Song", nullptr},
    };
    for (const VendorCase& c : cases)
        EXPECT_EQ(Scanner::vendorFromPath(QString::fromUtf8(c.path)), expected(c.vendor)) << c.path;
}

TEST(ContentVendorsTest, IsVendorFolderName)
{
    const std::pair<const char*, bool> cases[] = {
        {"/x/Kontakt Libraries", true},
        {"/x/Samples", true},
        {"/x/My Sample Library", true},
        {"/x/Native Instruments/", true},
        {"/x/NATIVE INSTRUMENTS", true},
        {"/x/KontaktLibraries", false},
        {"/x/Samples Archive", false},
        {"/x/Heavyocity", false},
        {"/x/Native Instruments 2", false},
        // " - " disqualifies even a vendor or generic name.
        {"/x/Native Instruments - Backup", false},
        {"/x/Old - Samples", false},
        // A plain hyphen does not.
        {"/x/Drum-Samples", false},
        {"/x/u-he", true},
        {"/", false},
        {"", false},
    };
    for (const auto& [path, expectedResult] : cases)
        EXPECT_EQ(Scanner::isVendorFolderName(QString::fromUtf8(path)), expectedResult) << path;
}

TEST(ContentVendorsTest, ContentFolderDisplayName)
{
    const std::pair<const char*, const char*> cases[] = {
        // The title keeps its own hyphens: the split is at " - ", not at "-".
        {"/Users/me/Hans-Zimmer Strings - 2019", "Hans-Zimmer Strings"},
        {"/Users/me/Epic Choir - Deluxe - 2021", "Epic Choir"},
        {"/Users/me/  Padded Title   - 2019", "Padded Title"},
        {"/Users/me/ - 2019", "2019"},
        {"/Users/me/Drums -2019", "Drums -2019"},
        {"/Users/me/My Sounds/", "My Sounds"},
        // A vendor anywhere in the path names the folder.
        {"/Volumes/Drive/Spitfire Audio", "Spitfire Audio"},
        {"/Drive/Toontrack/Grooves - 2019", "Toontrack"},
        {"/", "/"},
    };
    for (const auto& [path, name] : cases)
        EXPECT_EQ(Scanner::contentFolderDisplayName(QString::fromUtf8(path)), QString::fromUtf8(name)) << path;
}

} // namespace
