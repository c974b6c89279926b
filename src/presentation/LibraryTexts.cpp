#include "presentation/LibraryTexts.h"

#include "presentation/FilterState.h"

namespace LibraryTexts {

QString pluginCountText(int visible, int total, bool hasActiveFilters)
{
    if (hasActiveFilters)
        return QStringLiteral("%1 of %2 plugins").arg(visible).arg(total);
    return QStringLiteral("%1 plugins").arg(total);
}

int activeFilterCount(const FilterState& filter)
{
    int count = 0;
    count += filter.searchText().isEmpty() ? 0 : 1;
    count += filter.favoritesOnly() ? 1 : 0;
    count += int(filter.selectedFormats().size());
    count += filter.selectedArchitectures().isEmpty() ? 0 : 1;
    count += filter.selectedPlatforms().isEmpty() ? 0 : 1;
    count += int(filter.selectedTags().size());
    count += filter.installDateFrom().isValid() ? 1 : 0;
    count += filter.installDateTo().isValid() ? 1 : 0;
    return count;
}

QString filtersButtonText(int activeFilterCount)
{
    if (activeFilterCount == 0)
        return QStringLiteral("Filters");
    return QString::number(activeFilterCount) + QStringLiteral(" Filters");
}

} // namespace LibraryTexts
