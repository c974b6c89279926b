#pragma once

#include <QString>

#include <cstdio>

// The single-line diagnostics ("[Component] ..."). They go to standard output; a command whose
// standard output must stay machine-readable (--json) sends them to standard error instead.
namespace Diagnostics {
void print(const QString& line);
void setStream(FILE* stream);
FILE* stream();
} // namespace Diagnostics
