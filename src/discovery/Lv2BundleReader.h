#pragma once

#include "discovery/Lv2Bundle.h"

#include <QString>

// Reads one LV2 bundle with lilv, in a world of its own, with dynamic manifests off so that no
// plug-in code can run. Only Turtle files inside the bundle, each under a size cap, are read.
namespace Lv2BundleReader {

[[nodiscard]] Lv2Bundle read(const QString& bundlePath);

} // namespace Lv2BundleReader
