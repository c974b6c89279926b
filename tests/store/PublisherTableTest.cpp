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

// Not the table again: spellings outside its alias list, and texts that only look alike.
INSTANTIATE_TEST_SUITE_P(
    Spellings, KnownPublisherDisplayNameTest,
    ::testing::Values(MembershipCase{"Yamaha", "Yamaha"}, MembershipCase{"Velmora Audio LLC", "Velmora Audio"},
                      MembershipCase{"  valhalla dsp gmbh (plug-ins)", "Valhalla DSP"},
                      MembershipCase{"MOOG, Inc.", "Moog Music"}, MembershipCase{"", nullptr},
                      MembershipCase{"The Foo Company Inc.", nullptr}, MembershipCase{"(Valhalla DSP)", nullptr},
                      MembershipCase{", Yamaha", nullptr}, MembershipCase{"Valhalla", nullptr},
                      MembershipCase{"Moog Music Inc Extra", nullptr}, MembershipCase{"(", nullptr},
                      MembershipCase{"Valhalla DSP Two", nullptr}));

} // namespace
