#include "store/CanonicalNames.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

struct TextCase {
    const char* input;
    const char* expected;
};

std::ostream& operator<<(std::ostream& out, const TextCase& c)
{
    return out << '"' << c.input << "\" -> \"" << c.expected << '"';
}

class PublisherKeyTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(PublisherKeyTest, Keys)
{
    EXPECT_EQ(publisherKey(QString::fromUtf8(GetParam().input)), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, PublisherKeyTest,
    ::testing::Values(
        TextCase{"The Foo Company Inc.", "foocompany"}, TextCase{"Foo Co., Ltd", "foo"},
        TextCase{"ACME GmbH & Co. KG", "acmegmbhcokg"}, TextCase{"abc co", "abc"}, TextCase{"co", "co"},
        TextCase{"Ab Co", "ab"}, TextCase{"Abco", "abco"}, TextCase{"Abcco", "abc"},
        TextCase{"abinc", "abinc"}, TextCase{"abcinc", "abc"},
        // Joined pass repeats: "co" goes first, then "inc" on the shortened text.
        TextCase{"fooincco", "foo"}, TextCase{"Foo Inc Ltd", "foo"}, TextCase{"Foo Corporation", "foo"},
        TextCase{"Foocorporation", "foocorporation"}, TextCase{"Foo Sa Ag Bv Kk Gmbh", "foo"},
        TextCase{"Foo-Bar's Audio & Co", "foobarsaudio"}, TextCase{"(UADx)", ""}, TextCase{", Inc.", ""},
        TextCase{"", ""}, TextCase{"  Foo Audio \n", "fooaudio"}, TextCase{"Foo (Bar, Baz)", "foo"},
        TextCase{"Foo, Bar (Baz)", "foo"}, TextCase{"The", "the"}, TextCase{"Theory Audio", "theoryaudio"},
        TextCase{"THE FOO", "foo"}, TextCase{"the\tfoo", "thefoo"}, TextCase{"Foo\tllc", "foo"},
        TextCase{"Müller GmbH", "müller"}, TextCase{"ÉCOLE Audio", "écoleaudio"}, TextCase{"Foo²", "foo²"},
        TextCase{"E\u0301cole", "e\u0301cole"}, TextCase{"\xF0\x9D\x90\x80udio", "\xF0\x9D\x90\x80udio"},
        TextCase{"Foo \xF0\x9F\x8E\xB9 Audio", "fooaudio"}));

class CleanedPluginNameTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(CleanedPluginNameTest, Cleans)
{
    EXPECT_EQ(cleanedPluginName(QString::fromUtf8(GetParam().input)), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, CleanedPluginNameTest,
    ::testing::Values(TextCase{"Pro-Q 3 VST3", "Pro-Q 3"}, TextCase{"Serum_x64", "Serum"},
                      TextCase{"Ozone Stereo FX", "Ozone"}, TextCase{"Massive X Inst", "Massive X"},
                      TextCase{"AU", "AU"}, TextCase{"Plateau", "Plate"}, TextCase{"Kontakt 7", "Kontakt 7"},
                      TextCase{"DivaAU", "Diva"}, TextCase{"FM8AU", "FM8AU"}, TextCase{"TAL-AU", "TAL-AU"},
                      TextCase{"MONOAU", "MONOAU"}, TextCase{"DivaVST", "Diva"}, TextCase{"DivaVSTi", "Diva"},
                      TextCase{"Divavst", "Diva"}, TextCase{"AU64", "AU64"}, TextCase{"VST", "VST"},
                      TextCase{"X AU", "X"}, TextCase{"Inst", "Inst"}, TextCase{"Xinst", "X"},
                      TextCase{"Synth Mono Inst", "Synth"}, TextCase{"PlateauAU", "Plate"},
                      TextCase{"  Reverb\t", "Reverb"}, TextCase{"Reverb AU VST3", "Reverb"},
                      TextCase{"Reverb (Mono)", "Reverb (Mono)"}, TextCase{"", ""}, TextCase{" \t ", ""},
                      TextCase{"Ünïverb AU", "Ünïverb"}, TextCase{"reverb audio unit", "reverb"},
                      TextCase{"REVERB VST 3", "REVERB"}, TextCase{"Reverb_X64", "Reverb"}, TextCase{"Reverb  AU", "Reverb"},
                      TextCase{"Reverb AAX Surround", "Reverb"}, TextCase{"Reverb CLAP", "Reverb"}, TextCase{"Reverb AU64", "Reverb"},
                      TextCase{"X\xF0\x9D\x91\x8E"
                               "AU",
                               "X\xF0\x9D\x91\x8E"}));

TEST(RecordKeyTest, SpellingsOfOneProductMeet)
{
    EXPECT_EQ(recordKey(QStringLiteral("Reverb AU64"), QStringLiteral("Valhalla DSP, LLC")),
              recordKey(QStringLiteral("reverb"), QStringLiteral("Valhalla DSP")));
    const RecordKey key =
        recordKey(QStringLiteral("  Massive X Inst "), QStringLiteral("Native Instruments GmbH"));
    EXPECT_EQ(key.name, QStringLiteral("massive x"));
    EXPECT_EQ(key.publisher, QStringLiteral("nativeinstruments"));
    // Every alias of a known publisher, whatever its own key, meets its display name's key.
    const std::pair<const char*, const char*> aliases[] = {
        {"XILS 3.2", "XILS-lab"}, {"Xils Lab", "XILS-lab"}, {"Xilslab", "XILS-lab"}, {"Moog", "Moog Music"},
        {"Velmora", "Velmora Audio"}, {"Crow Hill", "The Crow Hill Company"},
        {"Universal Audio (UADx)", "Universal Audio"}, {"Yamaha Corporation", "Yamaha"}};
    for (const auto& [alias, display] : aliases) {
        EXPECT_EQ(displayPublisher(QString::fromUtf8(alias)), QString::fromUtf8(display)) << alias;
        EXPECT_EQ(displayPublisher(QString::fromUtf8(display)), QString::fromUtf8(display)) << display;
        EXPECT_EQ(recordKey(QStringLiteral("x"), QString::fromUtf8(alias)),
                  recordKey(QStringLiteral("x"), QString::fromUtf8(display))) << alias;
    }
}

TEST(RecordKeyTest, DifferentProductsOrMakersDiffer)
{
    EXPECT_NE(recordKey(QStringLiteral("Reverb"), QStringLiteral("Valhalla DSP")),
              recordKey(QStringLiteral("Reverb"), QStringLiteral("Audio Damage")));
    EXPECT_NE(recordKey(QStringLiteral("Reverb"), QStringLiteral("Valhalla DSP")),
              recordKey(QStringLiteral("Room"), QStringLiteral("Valhalla DSP")));
}

} // namespace
