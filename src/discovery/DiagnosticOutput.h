#pragma once

#include <QString>

// The one place diagnostic lines leave the program: one flushed line each, on standard output
// unless a front end that keeps standard output for data moves them to standard error.
namespace DiagnosticOutput {

void printLine(const QString& line);
void setUseStandardError(bool useStandardError);

} // namespace DiagnosticOutput
