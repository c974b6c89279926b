#include "discovery/DiagnosticOutput.h"

#include <gtest/gtest.h>

namespace {

TEST(DiagnosticOutput, PrintsWholeLinesOnStandardOutput)
{
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    DiagnosticOutput::printLine(QStringLiteral("[PluginScanner] Failed to enumerate /x: Permission denied"));
    DiagnosticOutput::printLine(QStringLiteral("[Other] Zürich"));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "[PluginScanner] Failed to enumerate /x: Permission denied\n[Other] Z\xc3\xbcrich\n");
}

TEST(DiagnosticOutput, CanMoveToStandardError)
{
    DiagnosticOutput::setUseStandardError(true);
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    DiagnosticOutput::printLine(QStringLiteral("[PluginScanner] line"));
    const std::string out = ::testing::internal::GetCapturedStdout();
    const std::string err = ::testing::internal::GetCapturedStderr();
    DiagnosticOutput::setUseStandardError(false);
    EXPECT_EQ(out, "");
    EXPECT_EQ(err, "[PluginScanner] line\n");
}

} // namespace
