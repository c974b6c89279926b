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

TEST(Diagnostics, CanMoveToStandardError)
{
    Diagnostics::setStream(stderr);
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    Diagnostics::print(QStringLiteral("[PluginScanner] line"));
    const std::string out = ::testing::internal::GetCapturedStdout();
    const std::string err = ::testing::internal::GetCapturedStderr();
    Diagnostics::setStream(nullptr);
    EXPECT_EQ(out, "");
    EXPECT_EQ(err, "[PluginScanner] line\n");
}

} // namespace
