#pragma once

#include "discovery/ModuleInfo.h"

#include <QString>

#include <optional>

// Reads Contents/Resources/moduleinfo.json, else Contents/moduleinfo.json, of a VST3 bundle in
// the relaxed syntax the VST3 SDK writes (comments, trailing commas). Unknown keys and values
// of the wrong type are ignored; a missing, oversized or malformed file gives nothing.
namespace ModuleInfoReader {

[[nodiscard]] std::optional<ModuleInfo> read(const QString& bundlePath);

// The same rules on text already in memory, for the one file that was found.
[[nodiscard]] std::optional<ModuleInfo> parse(const QByteArray& json);

} // namespace ModuleInfoReader
