#include "store/CanonicalNames.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

// Each row: the text, then what comes of it.
void expectEach(QString (*function)(const QString&), std::initializer_list<std::pair<const char*, const char*>> cases)
{
    for (const auto& [input, expected] : cases)
        EXPECT_EQ(function(QString::fromUtf8(input)), QString::fromUtf8(expected)) << input;
}

TEST(PublisherKeyTest, Keys)
{
    expectEach(publisherKey, {
        {"The Foo Company Inc.", "foocompany"}, {"Foo Co., Ltd", "foo"}, {"ACME GmbH & Co. KG", "acmegmbhcokg"},
        {"abc co", "abc"}, {"co", "co"}, {"Ab Co", "ab"}, {"Abco", "abco"}, {"Abcco", "abc"}, {"abinc", "abinc"},
        {"abcinc", "abc"},
        // Joined pass repeats: "co" goes first, then "inc" on the shortened text.
        {"fooincco", "foo"}, {"Foo Inc Ltd", "foo"}, {"Foo Corporation", "foo"},
        {"Foocorporation", "foocorporation"}, {"Foo Sa Ag Bv Kk Gmbh", "foo"},
        {"Foo-Bar's Audio & Co", "foobarsaudio"}, {"(UADx)", ""}, {", Inc.", ""}, {"", ""},
        {"  Foo Audio \n", "fooaudio"}, {"Foo (Bar, Baz)", "foo"}, {"Foo, Bar (Baz)", "foo"}, {"The", "the"},
        {"Theory Audio", "theoryaudio"}, {"THE FOO", "foo"}, {"the\tfoo", "thefoo"}, {"Foo\tllc", "foo"},
        {"Müller GmbH", "müller"}, {"ÉCOLE Audio", "écoleaudio"}, {"Foo²", "foo²"}, {"E\u0301cole", "e\u0301cole"},
        {"\xF0\x9D\x90\x80udio", "\xF0\x9D\x90\x80udio"}, {"Foo \xF0\x9F\x8E\xB9 Audio", "fooaudio"}});
}

TEST(CleanedPluginNameTest, Cleans)
{
    expectEach(cleanedPluginName, {
        {"Pro-Q 3 VST3", "Pro-Q 3"}, {"Serum_x64", "Serum"}, {"Ozone Stereo FX", "Ozone"},
        {"Massive X Inst", "Massive X"}, {"AU", "AU"}, {"Plateau", "Plate"}, {"Kontakt 7", "Kontakt 7"},
        {"DivaAU", "Diva"}, {"FM8AU", "FM8AU"}, {"TAL-AU", "TAL-AU"}, {"MONOAU", "MONOAU"}, {"DivaVST", "Diva"},
        {"DivaVSTi", "Diva"}, {"Divavst", "Diva"}, {"AU64", "AU64"}, {"VST", "VST"}, {"X AU", "X"}, {"Inst", "Inst"},
        {"Xinst", "X"}, {"Synth Mono Inst", "Synth"}, {"PlateauAU", "Plate"}, {"  Reverb\t", "Reverb"},
        {"Reverb AU VST3", "Reverb"}, {"Reverb (Mono)", "Reverb (Mono)"}, {"", ""}, {" \t ", ""},
        {"Ünïverb AU", "Ünïverb"}, {"reverb audio unit", "reverb"}, {"REVERB VST 3", "REVERB"},
        {"Reverb_X64", "Reverb"}, {"Reverb  AU", "Reverb"}, {"Reverb AAX Surround", "Reverb"},
        {"Reverb CLAP", "Reverb"}, {"Reverb AU64", "Reverb"}, {"X\xF0\x9D\x91\x8E" "AU", "X\xF0\x9D\x91\x8E"}});
}

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

} // namespace
