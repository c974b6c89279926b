#pragma once

#include "model/PluginArchitecture.h"

#include <QByteArrayView>
#include <QString>

// Tells from the first bytes of a Mach-O file which architectures it carries. Reads at most
// 8 + 8 × 32 bytes, never maps the file, and answers `unknown` on any problem.
namespace ExecutableArchitecture {

[[nodiscard]] PluginArchitecture read(const QString& executablePath);
// The same from the file's first bytes.
[[nodiscard]] PluginArchitecture fromHeader(QByteArrayView bytes);

} // namespace ExecutableArchitecture
