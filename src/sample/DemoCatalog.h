#pragma once

#include "sample/DemoBundle.h"

#include <QList>

// The bundles of the sample library: a fixed set that shows every case a catalogue of real
// installs has to cope with, then generated ones up to the requested count. The seed decides
// sizes, file counts, dates and the generated products.
namespace DemoCatalog {
// The size of the fixed set; a smaller count takes its first bundles.
int curatedCount();
QList<DemoBundle> bundles(int count, quint64 seed);
} // namespace DemoCatalog
