#pragma once

#include "sample/BundleWriter.h"

// One bundle of the sample library: what to write, and how long before the library's
// reference time it was last modified.
struct DemoBundle {
    BundleSpec bundleSpec; // bundleSpec.path is relative to the library root
    qint64 ageSeconds = 0;
    bool broken = false;
};
