#include "ui/ScopeChips.h"

#include "presentation/FilterState.h"

namespace {

const QString allTitle = QStringLiteral("All");
const QString favoritesTitle = QStringLiteral("Favorites");
const QString rosettaTitle = QStringLiteral("Rosetta");

// Rosetta translates Intel code on a Mac only: a Linux or Windows x86-64 build is not a Rosetta install.
const QSet<PluginArchitecture> intelOnly{PluginArchitecture::x86_64};
const QSet<PluginPlatform> macOnly{PluginPlatform::macOS};

bool isRosettaScope(const FilterState& filter)
{
    return filter.selectedArchitectures() == intelOnly && filter.selectedPlatforms() == macOnly;
}

} // namespace

namespace ScopeChips {

QStringList titles()
{
    QStringList result{allTitle, favoritesTitle};
    for (PluginFormat format : allCases<PluginFormat>())
        result.append(rawValue(format));
    result.append(rosettaTitle);
    return result;
}

QString symbol(const QString& title)
{
    if (title == allTitle)
        return QStringLiteral("square.grid.2x2");
    if (title == favoritesTitle)
        return QStringLiteral("star.fill");
    if (title == rosettaTitle)
        return QStringLiteral("cpu");
    return {};
}

bool isSelected(const QString& title, const FilterState& filter)
{
    if (title == allTitle)
        // The search text is left out on purpose: "All" stays selected while searching.
        return !filter.favoritesOnly() && filter.selectedFormats().isEmpty() &&
               filter.selectedArchitectures().isEmpty() && filter.selectedPlatforms().isEmpty() &&
               filter.selectedTags().isEmpty() &&
               !filter.installDateFrom().isValid() && !filter.installDateTo().isValid();
    if (title == favoritesTitle)
        return filter.favoritesOnly();
    if (title == rosettaTitle)
        return isRosettaScope(filter);
    if (const auto format = fromRawValue<PluginFormat>(title))
        return filter.selectedFormats().contains(*format);
    return false;
}

QStringList selectedTitles(const FilterState& filter)
{
    QStringList result;
    for (const QString& title : titles())
        if (isSelected(title, filter))
            result.append(title);
    return result;
}

void activate(const QString& title, FilterState& filter)
{
    if (title == allTitle) {
        filter.setSelectedFormats({});
        filter.setSelectedArchitectures({});
        filter.setSelectedPlatforms({});
        filter.setFavoritesOnly(false);
        filter.setSelectedTags({});
        filter.setInstallDateFrom({});
        filter.setInstallDateTo({});
    } else if (title == favoritesTitle) {
        filter.setFavoritesOnly(!filter.favoritesOnly());
    } else if (title == rosettaTitle) {
        const bool on = !isRosettaScope(filter);
        filter.setSelectedArchitectures(on ? intelOnly : QSet<PluginArchitecture>{});
        filter.setSelectedPlatforms(on ? macOnly : QSet<PluginPlatform>{});
    } else if (const auto format = fromRawValue<PluginFormat>(title)) {
        filter.setFormatSelected(title, !filter.selectedFormats().contains(*format));
    }
}

} // namespace ScopeChips
