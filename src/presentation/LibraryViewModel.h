#pragma once

#include "model/PluginRecord.h"
#include "presentation/FilterState.h"
#include "presentation/FoundInstallSnapshot.h"
#include "presentation/InstantCache.h"
#include "presentation/KeptGroups.h"
#include "presentation/LibrarySection.h"
#include "presentation/PluginGrouper.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QVariantList>

// The library list: the catalogue's found installs grouped by plug-in, filtered by the filter
// state and cut into titled sections. The groups depend on the catalogue only, so they are kept
// between calls: update() builds them again only when the rows they come from changed, and
// refilter() (a keystroke, a chip, another grouping) only filters and sections the kept groups.
// The owner decides when to call which.
class LibraryViewModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(FilterState* filterState READ filterState CONSTANT)
    Q_PROPERTY(QVariantList sections READ sectionsModel NOTIFY sectionsChanged)
    Q_PROPERTY(int totalGroupCount READ totalGroupCount NOTIFY totalGroupCountChanged)
    Q_PROPERTY(int shownGroupCount READ shownGroupCount NOTIFY sectionsChanged)

public:
    explicit LibraryViewModel(QObject* parent = nullptr);

    [[nodiscard]] FilterState* filterState() const { return m_filterState; }
    [[nodiscard]] const QList<LibrarySection>& sections() const { return m_sections; }
    // The sections as maps (LibrarySection::toVariantMap), built on first read after a change.
    [[nodiscard]] QVariantList sectionsModel() const;
    // Groups before filtering.
    [[nodiscard]] int totalGroupCount() const { return m_totalGroupCount; }
    // Groups in all sections, after filtering.
    [[nodiscard]] int shownGroupCount() const;
    // The one record that stands for each group key.
    [[nodiscard]] const QHash<QString, PluginRecord*>& recordLookup() const { return m_recordLookup; }
    [[nodiscard]] Q_INVOKABLE PluginRecord* recordFor(const QString& groupId) const { return m_recordLookup.value(groupId); }

    // Every record in the store, in the store's order; records without a found install are ignored.
    Q_INVOKABLE void update(const QList<PluginRecord*>& records);
    // Filters and sections the groups of the last update() again, for a change of filterState().
    Q_INVOKABLE void refilter();
    // How many times the groups were built; a filter change leaves it alone.
    [[nodiscard]] int groupingCount() const { return m_groupingCount; }

    // Whether candidate should replace stored as the record of their shared group key: more found
    // installs, then an already canonical name, then the shorter name, then the earlier name.
    [[nodiscard]] static bool prefer(const PluginRecord& candidate, const PluginRecord& stored);

Q_SIGNALS:
    // After every update, unless the sections were and stay empty.
    void sectionsChanged();
    void totalGroupCountChanged();
    void recordLookupChanged();

private:
    struct Criteria;

    FilterState* m_filterState;
    PluginGrouper m_grouper;
    InstantCache m_instants;
    // The grouping's input and output, kept while the catalogue does not change.
    FoundInstallSnapshot m_inputs;
    QList<RawPlugin> m_rows;
    KeptGroups m_groups;
    QDate m_groupedOn;
    int m_groupingCount = 0;
    QList<LibrarySection> m_sections;
    int m_totalGroupCount = 0;
    QHash<QString, PluginRecord*> m_recordLookup;
    mutable QVariantList m_sectionsModel;
    mutable bool m_sectionsModelValid = true;
};
