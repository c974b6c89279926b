#include "model/Diagnostics.h"

#include <gtest/gtest.h>

namespace {

TEST(Diagnostics, PrintsWholeLinesOnStandardOutput)
{
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    Diagnostics::print(QStringLiteral("[PluginScanner] Failed to enumerate /x: Permission denied"));
    Diagnostics::print(QStringLiteral("[Other] Zürich"));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "[PluginScanner] Failed to enumerate /x: Permission denied\n[Other] Z\xc3\xbcrich\n");
}

} // namespace
