#pragma once

#include <QString>

class FilterState;

// The counts and texts the library view shows about the list.
namespace LibraryTexts {

// "40 plugins", or "12 of 40 plugins" while a filter is active; never a singular.
[[nodiscard]] QString pluginCountText(int visible, int total, bool hasActiveFilters);
// One per criterion: the search, favourites, each format, the architectures together, each tag,
// each date bound.
[[nodiscard]] int activeFilterCount(const FilterState& filter);
// "Filters", or "3 Filters".
[[nodiscard]] QString filtersButtonText(int activeFilterCount);

} // namespace LibraryTexts
