#include "store/PublisherTable.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct MembershipCase {
    const char* text;
    const char* display; // nullptr: in no row
};

std::ostream& operator<<(std::ostream& out, const MembershipCase& c) {
    return out << '"' << c.text << '"';
}

class KnownPublisherDisplayNameTest : public ::testing::TestWithParam<MembershipCase> {};

TEST_P(KnownPublisherDisplayNameTest, TellsKnownPublishersFromUnknownOnes) {
    const MembershipCase& c = GetParam();
    const std::optional<QString> display = knownPublisherDisplayName(QString::fromUtf8(c.text));
    if (c.display) {
        ASSERT_TRUE(display.has_value());
        EXPECT_EQ(*display, QString::fromUtf8(c.display));
    } else {
        EXPECT_FALSE(display.has_value()) << display.value_or(QString()).toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    DisplayNames, KnownPublisherDisplayNameTest,
    ::testing::Values(
        MembershipCase{"Analog Obsession", "Analog Obsession"},
        MembershipCase{"Audio Damage", "Audio Damage"}, MembershipCase{"Cherry Audio", "Cherry Audio"},
        MembershipCase{"Velmora Audio", "Velmora Audio"}, MembershipCase{"DDMF", "DDMF"},
        MembershipCase{"Full Bucket Music", "Full Bucket Music"}, MembershipCase{"GS DSP", "GS DSP"},
        MembershipCase{"Genuine Soundware", "Genuine Soundware"},
        MembershipCase{"Green Oak Software", "Green Oak Software"},
        MembershipCase{"Moog Music", "Moog Music"}, MembershipCase{"Plugin Boutique", "Plugin Boutique"},
        MembershipCase{"Polyverse Music", "Polyverse Music"}, MembershipCase{"Scaler Music", "Scaler Music"},
        MembershipCase{"SoundGhosts", "SoundGhosts"},
        MembershipCase{"The Crow Hill Company", "The Crow Hill Company"},
        MembershipCase{"Universal Audio", "Universal Audio"}, MembershipCase{"Valhalla DSP", "Valhalla DSP"},
        MembershipCase{"Vital Audio", "Vital Audio"}, MembershipCase{"XILS-lab", "XILS-lab"},
        MembershipCase{"Yamaha", "Yamaha"}));

INSTANTIATE_TEST_SUITE_P(
    Aliases, KnownPublisherDisplayNameTest,
    ::testing::Values(
        MembershipCase{"AnalogObsession", "Analog Obsession"},
        MembershipCase{"Audio Damage, Inc.", "Audio Damage"}, MembershipCase{"Cherryaudio", "Cherry Audio"},
        MembershipCase{"Velmora", "Velmora Audio"}, MembershipCase{"Velmora Audio LLC", "Velmora Audio"},
        MembershipCase{"Ddmf", "DDMF"}, MembershipCase{"Fullbucket", "Full Bucket Music"},
        MembershipCase{"Gs Dsp", "GS DSP"}, MembershipCase{"Greenoak", "Green Oak Software"},
        MembershipCase{"Moog", "Moog Music"}, MembershipCase{"Moogmusic", "Moog Music"},
        MembershipCase{"Polyverse", "Polyverse Music"}, MembershipCase{"SoundGhost", "SoundGhosts"},
        MembershipCase{"Crow Hill", "The Crow Hill Company"},
        MembershipCase{"Thecrowhillcompany", "The Crow Hill Company"},
        MembershipCase{"Universal Audio (UADx)", "Universal Audio"},
        MembershipCase{"Valhalla DSP, LLC", "Valhalla DSP"}, MembershipCase{"Vital", "Vital Audio"},
        MembershipCase{"XILS 3.2", "XILS-lab"}, MembershipCase{"Xilslab", "XILS-lab"},
        MembershipCase{"Yamaha Corporation", "Yamaha"},
        // Any spelling with a known key belongs, not only the listed ones.
        MembershipCase{"  valhalla dsp gmbh (plug-ins)", "Valhalla DSP"},
        MembershipCase{"MOOG, Inc.", "Moog Music"}));

INSTANTIATE_TEST_SUITE_P(
    Unknown, KnownPublisherDisplayNameTest,
    ::testing::Values(MembershipCase{"", nullptr}, MembershipCase{"The Foo Company Inc.", nullptr},
                      MembershipCase{"(Valhalla DSP)", nullptr}, MembershipCase{", Yamaha", nullptr},
                      MembershipCase{"Valhalla", nullptr}, MembershipCase{"Moog Music Inc Extra", nullptr},
                      MembershipCase{"(", nullptr}, MembershipCase{"Valhalla DSP Two", nullptr}));

} // namespace
