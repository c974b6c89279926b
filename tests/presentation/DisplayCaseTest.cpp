#include "presentation/DisplayCase.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(DisplayCaseTest, Recases)
{
    const std::pair<const char*, const char*> cases[] = {
        {"fabfilter", "Fabfilter"}, {"ssl", "SSL"}, {"FabFilter", "FabFilter"},
        {"valhalla_vintage_verb", "Valhalla Vintage Verb"}, {"u-he", "U He"},
        {"Valhalla_VintageVerb", "Valhalla Vintageverb"}, {"", ""}, {" \n\t", ""}, {" fabfilter\n", "Fabfilter"},
        // Mixed case with a blank or a hyphen is deliberate and stays.
        {"Pro-Q 3", "Pro-Q 3"}, {"U-He", "U-He"}, {"pro-q 3", "Pro-q 3"},
        {"native  instruments", "Native Instruments"}, {"__ssl__", "SSL"}, {"a.b", "A.b"}, {"straße", "Straße"},
        {"ÉCOLE", "ÉCOLE"}};
    for (const auto& [input, expected] : cases)
        EXPECT_EQ(displayCase(QString::fromUtf8(input)), QString::fromUtf8(expected)) << input;
}

TEST(TitleCaseTokenTest, RecasesAcronymsModelNumbersAndWords)
{
    const std::pair<const char*, const char*> cases[] = {
        {"au", "AU"}, {"mkii", "MKII"}, {"Ssl", "SSL"}, {"mkiii", "Mkiii"}, {"eqs", "Eqs"},
        {"la2a", "LA2A"}, {"76ln", "76LN"}, {"abcd1", "ABCD1"}, {"abcde1", "Abcde1"}, {"1176", "1176"},
        {"1176abc", "1176ABC"}, {"1176abcd", "1176abcd"}, {"a1-b", "A1-b"}, {"la\u0662a", "LA\u0662A"},
        {"\u0661\u0662ab", "\u0661\u0662AB"}, {"a", "A"},
        {"mIxEd", "Mixed"}, {"REVERB", "REVERB"}, {" \n", ""}, {"\tdelay\n", "Delay"}, {"ünver", "Ünver"},
        {"\xF0\x90\x90\xA8x", "\xF0\x90\x90\x80x"}};
    for (const auto& [input, expected] : cases)
        EXPECT_EQ(titleCaseToken(QString::fromUtf8(input)), QString::fromUtf8(expected)) << input;
}

TEST(TitleCaseWordsTest, SplitsAtBlanksAndJoinsWithOne)
{
    EXPECT_EQ(titleCaseWords(QStringLiteral("  foo   bar\tbaz ")), QStringLiteral("Foo Bar Baz"));
    EXPECT_EQ(titleCaseWords(QStringLiteral("ssl eq la2a")), QStringLiteral("SSL EQ LA2A"));
    EXPECT_EQ(titleCaseWords(QString()), QString());
}

} // namespace
