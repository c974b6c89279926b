#include "presentation/LibraryTexts.h"


#include <gtest/gtest.h>

namespace {

struct CountCase {
    int visible;
    int total;
    bool active;
    const char* expected;
};

class PluginCountTextTest : public testing::TestWithParam<CountCase> {};

TEST_P(PluginCountTextTest, ReadsAsTheTitleShowsIt)
{
    const CountCase& c = GetParam();
    EXPECT_EQ(LibraryTexts::pluginCountText(c.visible, c.total, c.active), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Cases, PluginCountTextTest,
                         testing::Values(CountCase{40, 40, false, "40 plugins"}, CountCase{12, 40, true, "12 of 40 plugins"},
                                         CountCase{1, 1, false, "1 plugins"}, CountCase{0, 0, false, "0 plugins"},
                                         CountCase{40, 40, true, "40 of 40 plugins"},
                                         CountCase{0, 3, true, "0 of 3 plugins"}));

} // namespace
