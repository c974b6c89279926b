#pragma once

#include "model/PluginArchitecture.h"
#include "model/PluginFormat.h"

#include <QString>

// The texts a row carries for an install's format and architecture.
[[nodiscard]] QString formatLabel(PluginFormat format);
// "Apple Silicon", "Intel 64", both for a universal binary, nothing when unknown.
[[nodiscard]] QString architectureLabel(PluginArchitecture architecture);
