#include "store/PublisherTable.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

// Not the table again: spellings outside its alias list, and texts that only look alike.
TEST(KnownPublisherDisplayNameTest, TellsKnownPublishersFromUnknownOnes)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Yamaha", "Yamaha"}, {"Velmora Audio LLC", "Velmora Audio"}, {"  valhalla dsp gmbh (plug-ins)", "Valhalla DSP"},
        {"MOOG, Inc.", "Moog Music"}, {"", nullptr}, {"The Foo Company Inc.", nullptr}, {"(Valhalla DSP)", nullptr},
        {", Yamaha", nullptr}, {"Valhalla", nullptr}, {"Moog Music Inc Extra", nullptr}, {"(", nullptr},
        {"Valhalla DSP Two", nullptr}};
    for (const auto& [text, display] : cases)
        EXPECT_EQ(knownPublisherDisplayName(QString::fromUtf8(text)),
                  display ? std::optional<QString>(QString::fromUtf8(display)) : std::nullopt)
            << text;
}

} // namespace
