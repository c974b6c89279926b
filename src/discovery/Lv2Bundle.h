#pragma once

#include "discovery/Lv2Plugin.h"

#include <QList>

// The plug-ins an LV2 bundle declares, sorted by URI. Empty for specification bundles, preset
// bundles and bundles that cannot be read.
struct Lv2Bundle {
    QList<Lv2Plugin> plugins;
    bool readable = false; // false: no manifest.ttl, or Turtle files too large to read
};
