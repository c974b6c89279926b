#pragma once

#include <QString>
#include <QStringList>

class FilterState;

// The quick-filter chips above the library list: which are selected, and what tapping one does,
// both read from and written to the filter state.
namespace ScopeChips {

// "All", "Favorites", the five formats, "Rosetta".
[[nodiscard]] QStringList titles();
// The symbol shown before the title; empty for the format chips.
[[nodiscard]] QString symbol(const QString& title);
[[nodiscard]] bool isSelected(const QString& title, const FilterState& filter);
// The titles of the selected chips, in chip order.
[[nodiscard]] QStringList selectedTitles(const FilterState& filter);
// An unknown title does nothing.
void activate(const QString& title, FilterState& filter);

} // namespace ScopeChips
