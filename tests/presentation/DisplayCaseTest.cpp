#include "presentation/DisplayCase.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

struct CaseCase {
    const char* input;
    const char* expected;
};

std::ostream& operator<<(std::ostream& out, const CaseCase& c)
{
    return out << '"' << c.input << "\" -> \"" << c.expected << '"';
}

class DisplayCaseTest : public ::testing::TestWithParam<CaseCase> {};

TEST_P(DisplayCaseTest, Recases)
{
    EXPECT_EQ(displayCase(QString::fromUtf8(GetParam().input)), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DisplayCaseTest,
    ::testing::Values(CaseCase{"fabfilter", "Fabfilter"}, CaseCase{"ssl", "SSL"},
                      CaseCase{"FabFilter", "FabFilter"}, CaseCase{"vst3", "VST3"},
                      CaseCase{"valhalla_vintage_verb", "Valhalla Vintage Verb"}, CaseCase{"u-he", "U He"},
                      CaseCase{"Valhalla_VintageVerb", "Valhalla Vintageverb"}, CaseCase{"", ""},
                      CaseCase{" \n\t", ""}, CaseCase{" fabfilter\n", "Fabfilter"},
                      // Mixed case with a blank or a hyphen is deliberate and stays.
                      CaseCase{"Pro-Q 3", "Pro-Q 3"}, CaseCase{"U-He", "U-He"},
                      CaseCase{"  Echoboy Jr ", "Echoboy Jr"}, CaseCase{"pro-q 3", "Pro-q 3"},
                      CaseCase{"native  instruments", "Native Instruments"},
                      CaseCase{"bx_digital_v3", "BX Digital V3"}, CaseCase{"eq-fx", "EQ FX"},
                      CaseCase{"__ssl__", "SSL"}, CaseCase{"DDMF", "DDMF"}, CaseCase{"a", "A"},
                      CaseCase{"a.b", "A.b"}, CaseCase{"über_ssl", "Über SSL"}, CaseCase{"straße", "Straße"},
                      CaseCase{"ÉCOLE", "ÉCOLE"}, CaseCase{"la-2a", "La 2A"}));

class TitleCaseTokenTest : public ::testing::TestWithParam<CaseCase> {};

TEST_P(TitleCaseTokenTest, Recases)
{
    EXPECT_EQ(titleCaseToken(QString::fromUtf8(GetParam().input)), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Acronyms, TitleCaseTokenTest,
    ::testing::Values(CaseCase{"au", "AU"}, CaseCase{"vst3", "VST3"}, CaseCase{"fx", "FX"}, CaseCase{"mk1", "MK1"},
                      CaseCase{"mkii", "MKII"}, CaseCase{"Ssl", "SSL"}, CaseCase{"mkiii", "Mkiii"}, CaseCase{"eqs", "Eqs"}));

INSTANTIATE_TEST_SUITE_P(ModelNumbers, TitleCaseTokenTest,
                         ::testing::Values(CaseCase{"la2a", "LA2A"}, CaseCase{"ssl4000e", "SSL4000E"},
                                           CaseCase{"76ln", "76LN"}, CaseCase{"abcd1", "ABCD1"},
                                           CaseCase{"abcde1", "Abcde1"}, CaseCase{"a1b2c3", "A1B2C3"},
                                           CaseCase{"1176", "1176"}, CaseCase{"1176abc", "1176ABC"},
                                           CaseCase{"1176abcd", "1176abcd"}, CaseCase{"a1-b", "A1-b"},
                                           CaseCase{"la\u0662a", "LA\u0662A"},
                                           CaseCase{"\u0661\u0662ab", "\u0661\u0662AB"}, CaseCase{"a", "A"}));

INSTANTIATE_TEST_SUITE_P(Words, TitleCaseTokenTest,
                         ::testing::Values(CaseCase{"mIxEd", "Mixed"}, CaseCase{"REVERB", "REVERB"},
                                           CaseCase{"123", "123"}, CaseCase{"", ""}, CaseCase{" \n", ""},
                                           CaseCase{"\tdelay\n", "Delay"}, CaseCase{"ünver", "Ünver"},
                                           CaseCase{"\xF0\x90\x90\xA8x", "\xF0\x90\x90\x80x"}));

TEST(TitleCaseWordsTest, SplitsAtBlanksAndJoinsWithOne)
{
    EXPECT_EQ(titleCaseWords(QStringLiteral("  foo   bar\tbaz ")), QStringLiteral("Foo Bar Baz"));
    EXPECT_EQ(titleCaseWords(QStringLiteral("ssl eq la2a")), QStringLiteral("SSL EQ LA2A"));
    EXPECT_EQ(titleCaseWords(QString()), QString());
}

} // namespace
