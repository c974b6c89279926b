#pragma once

#include "model/PluginArchitecture.h"
#include "model/PluginFormat.h"
#include "model/PluginPlatform.h"
#include "presentation/GroupingMode.h"
#include "presentation/LibrarySortKey.h"

#include <QDateTime>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

// What the user asked the library list to show. Every field notifies when it really changes;
// the sets are also readable and writable from QML as lists of raw values ("AU", "Intel 64"),
// and the grouping mode as its title. An invalid date means no bound.
class FilterState : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString searchText READ searchText WRITE setSearchText NOTIFY searchTextChanged)
    Q_PROPERTY(QStringList selectedFormats READ selectedFormatValues WRITE setSelectedFormatValues NOTIFY
                   selectedFormatsChanged)
    Q_PROPERTY(QStringList selectedArchitectures READ selectedArchitectureValues WRITE
                   setSelectedArchitectureValues NOTIFY selectedArchitecturesChanged)
    Q_PROPERTY(QStringList selectedPlatforms READ selectedPlatformValues WRITE setSelectedPlatformValues NOTIFY
                   selectedPlatformsChanged)
    Q_PROPERTY(bool favoritesOnly READ favoritesOnly WRITE setFavoritesOnly NOTIFY favoritesOnlyChanged)
    Q_PROPERTY(QStringList selectedTags READ selectedTagList WRITE setSelectedTagList NOTIFY selectedTagsChanged)
    Q_PROPERTY(QString groupingMode READ groupingModeValue WRITE setGroupingModeValue NOTIFY groupingModeChanged)
    Q_PROPERTY(QDateTime installDateFrom READ installDateFrom WRITE setInstallDateFrom NOTIFY installDateFromChanged)
    Q_PROPERTY(QDateTime installDateTo READ installDateTo WRITE setInstallDateTo NOTIFY installDateToChanged)
    Q_PROPERTY(bool hasActiveFilters READ hasActiveFilters NOTIFY filtersChanged)
    // How cards are ordered within each section; like the grouping, no filter.
    Q_PROPERTY(QString sortKey READ sortKeyValue WRITE setSortKeyValue NOTIFY sortKeyChanged)
    Q_PROPERTY(bool sortAscending READ sortAscending WRITE setSortAscending NOTIFY sortAscendingChanged)

public:
    explicit FilterState(QObject* parent = nullptr);

    [[nodiscard]] QString searchText() const { return m_searchText; }
    void setSearchText(const QString& value);

    [[nodiscard]] QSet<PluginFormat> selectedFormats() const { return m_selectedFormats; }
    void setSelectedFormats(const QSet<PluginFormat>& value);
    // In canonical order; unknown texts are ignored on writing.
    [[nodiscard]] QStringList selectedFormatValues() const;
    void setSelectedFormatValues(const QStringList& values);
    Q_INVOKABLE void setFormatSelected(const QString& rawValue, bool selected);

    [[nodiscard]] QSet<PluginArchitecture> selectedArchitectures() const { return m_selectedArchitectures; }
    void setSelectedArchitectures(const QSet<PluginArchitecture>& value);
    [[nodiscard]] QStringList selectedArchitectureValues() const;
    void setSelectedArchitectureValues(const QStringList& values);
    Q_INVOKABLE void setArchitectureSelected(const QString& rawValue, bool selected);

    [[nodiscard]] QSet<PluginPlatform> selectedPlatforms() const { return m_selectedPlatforms; }
    void setSelectedPlatforms(const QSet<PluginPlatform>& value);
    [[nodiscard]] QStringList selectedPlatformValues() const;
    void setSelectedPlatformValues(const QStringList& values);
    Q_INVOKABLE void setPlatformSelected(const QString& rawValue, bool selected);

    [[nodiscard]] bool favoritesOnly() const { return m_favoritesOnly; }
    void setFavoritesOnly(bool value);

    [[nodiscard]] QSet<QString> selectedTags() const { return m_selectedTags; }
    void setSelectedTags(const QSet<QString>& value);
    // Sorted by code point, so that equal sets give equal lists.
    [[nodiscard]] QStringList selectedTagList() const;
    void setSelectedTagList(const QStringList& values);
    Q_INVOKABLE void setTagSelected(const QString& name, bool selected);

    [[nodiscard]] GroupingMode groupingMode() const { return m_groupingMode; }
    void setGroupingMode(GroupingMode value);
    [[nodiscard]] QString groupingModeValue() const { return rawValue(m_groupingMode); }
    // A text that names no mode is ignored.
    void setGroupingModeValue(const QString& value);

    [[nodiscard]] LibrarySortKey sortKey() const { return m_sortKey; }
    void setSortKey(LibrarySortKey value);
    [[nodiscard]] QString sortKeyValue() const { return rawValue(m_sortKey); }
    // A text that names no key is ignored.
    void setSortKeyValue(const QString& value);
    [[nodiscard]] bool sortAscending() const { return m_sortAscending; }
    void setSortAscending(bool value);

    [[nodiscard]] QDateTime installDateFrom() const { return m_installDateFrom; }
    void setInstallDateFrom(const QDateTime& value);
    [[nodiscard]] QDateTime installDateTo() const { return m_installDateTo; }
    void setInstallDateTo(const QDateTime& value);

    // Any field but the grouping mode away from its default.
    [[nodiscard]] bool hasActiveFilters() const;
    // Back to the defaults, except the grouping mode.
    Q_INVOKABLE void reset();

Q_SIGNALS:
    void searchTextChanged();
    void selectedFormatsChanged();
    void selectedArchitecturesChanged();
    void selectedPlatformsChanged();
    void favoritesOnlyChanged();
    void selectedTagsChanged();
    void groupingModeChanged();
    void sortKeyChanged();
    void sortAscendingChanged();
    void installDateFromChanged();
    void installDateToChanged();
    // Once per change of any field above, the grouping mode included: the list must be rebuilt.
    void changed();
    // Once per change of any field that hasActiveFilters looks at.
    void filtersChanged();

private:
    template <typename T> void assign(T& member, const T& value, void (FilterState::*signal)());

    QString m_searchText;
    QSet<PluginFormat> m_selectedFormats;
    QSet<PluginArchitecture> m_selectedArchitectures;
    QSet<PluginPlatform> m_selectedPlatforms;
    bool m_favoritesOnly = false;
    QSet<QString> m_selectedTags;
    GroupingMode m_groupingMode = GroupingMode::alphabetical;
    LibrarySortKey m_sortKey = LibrarySortKey::name;
    bool m_sortAscending = true;
    QDateTime m_installDateFrom;
    QDateTime m_installDateTo;
};
