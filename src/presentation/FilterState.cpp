#include "presentation/FilterState.h"

#include <algorithm>

namespace {

template <typename E> QStringList rawValuesInOrder(const QSet<E>& set)
{
    QStringList values;
    for (const E item : allCases<E>())
        if (set.contains(item))
            values.append(rawValue(item));
    return values;
}

template <typename E> QSet<E> setFromRawValues(const QStringList& values)
{
    QSet<E> set;
    for (const QString& text : values)
        if (const auto item = fromRawValue<E>(text))
            set.insert(*item);
    return set;
}

template <typename T> QSet<T> toggled(QSet<T> set, const T& item, bool selected)
{
    if (selected)
        set.insert(item);
    else
        set.remove(item);
    return set;
}

} // namespace

FilterState::FilterState(QObject* parent) : QObject(parent) {}

template <typename T> void FilterState::assign(T& member, const T& value, void (FilterState::*signal)())
{
    if (member == value)
        return;
    member = value;
    Q_EMIT(this->*signal)();
    if (signal != &FilterState::groupingModeChanged && signal != &FilterState::sortKeyChanged
        && signal != &FilterState::sortAscendingChanged)
        Q_EMIT filtersChanged();
    Q_EMIT changed();
}

void FilterState::setSearchText(const QString& value)
{
    assign(m_searchText, value, &FilterState::searchTextChanged);
}

void FilterState::setSelectedFormats(const QSet<PluginFormat>& value)
{
    assign(m_selectedFormats, value, &FilterState::selectedFormatsChanged);
}

QStringList FilterState::selectedFormatValues() const
{
    return rawValuesInOrder(m_selectedFormats);
}

void FilterState::setSelectedFormatValues(const QStringList& values)
{
    setSelectedFormats(setFromRawValues<PluginFormat>(values));
}

void FilterState::setFormatSelected(const QString& value, bool selected)
{
    if (const auto format = fromRawValue<PluginFormat>(value))
        setSelectedFormats(toggled(m_selectedFormats, *format, selected));
}

void FilterState::setSelectedArchitectures(const QSet<PluginArchitecture>& value)
{
    assign(m_selectedArchitectures, value, &FilterState::selectedArchitecturesChanged);
}

QStringList FilterState::selectedArchitectureValues() const
{
    return rawValuesInOrder(m_selectedArchitectures);
}

void FilterState::setSelectedArchitectureValues(const QStringList& values)
{
    setSelectedArchitectures(setFromRawValues<PluginArchitecture>(values));
}

void FilterState::setSelectedPlatforms(const QSet<PluginPlatform>& value)
{
    assign(m_selectedPlatforms, value, &FilterState::selectedPlatformsChanged);
}

QStringList FilterState::selectedPlatformValues() const
{
    return rawValuesInOrder(m_selectedPlatforms);
}

void FilterState::setSelectedPlatformValues(const QStringList& values)
{
    setSelectedPlatforms(setFromRawValues<PluginPlatform>(values));
}

void FilterState::setPlatformSelected(const QString& value, bool selected)
{
    if (const auto platform = fromRawValue<PluginPlatform>(value))
        setSelectedPlatforms(toggled(m_selectedPlatforms, *platform, selected));
}

void FilterState::setArchitectureSelected(const QString& value, bool selected)
{
    if (const auto architecture = fromRawValue<PluginArchitecture>(value))
        setSelectedArchitectures(toggled(m_selectedArchitectures, *architecture, selected));
}

void FilterState::setFavoritesOnly(bool value)
{
    assign(m_favoritesOnly, value, &FilterState::favoritesOnlyChanged);
}

void FilterState::setSelectedTags(const QSet<QString>& value)
{
    assign(m_selectedTags, value, &FilterState::selectedTagsChanged);
}

QStringList FilterState::selectedTagList() const
{
    QStringList names(m_selectedTags.cbegin(), m_selectedTags.cend());
    std::sort(names.begin(), names.end());
    return names;
}

void FilterState::setSelectedTagList(const QStringList& values)
{
    setSelectedTags(QSet<QString>(values.cbegin(), values.cend()));
}

void FilterState::setTagSelected(const QString& name, bool selected)
{
    setSelectedTags(toggled(m_selectedTags, name, selected));
}

void FilterState::setGroupingMode(GroupingMode value)
{
    assign(m_groupingMode, value, &FilterState::groupingModeChanged);
}

void FilterState::setGroupingModeValue(const QString& value)
{
    if (const auto mode = fromRawValue<GroupingMode>(value))
        setGroupingMode(*mode);
}

void FilterState::setSortKey(LibrarySortKey value)
{
    assign(m_sortKey, value, &FilterState::sortKeyChanged);
}

void FilterState::setSortKeyValue(const QString& value)
{
    if (const auto key = fromRawValue<LibrarySortKey>(value))
        setSortKey(*key);
}

void FilterState::setSortAscending(bool value)
{
    assign(m_sortAscending, value, &FilterState::sortAscendingChanged);
}

void FilterState::setInstallDateFrom(const QDateTime& value)
{
    assign(m_installDateFrom, value, &FilterState::installDateFromChanged);
}

void FilterState::setInstallDateTo(const QDateTime& value)
{
    assign(m_installDateTo, value, &FilterState::installDateToChanged);
}

bool FilterState::hasActiveFilters() const
{
    return !m_searchText.isEmpty() || !m_selectedFormats.isEmpty() || !m_selectedArchitectures.isEmpty() ||
           !m_selectedPlatforms.isEmpty() || m_favoritesOnly || !m_selectedTags.isEmpty() || m_installDateFrom.isValid() || m_installDateTo.isValid();
}

void FilterState::reset()
{
    setSearchText({});
    setSelectedFormats({});
    setSelectedArchitectures({});
    setSelectedPlatforms({});
    setFavoritesOnly(false);
    setSelectedTags({});
    setInstallDateFrom({});
    setInstallDateTo({});
}
