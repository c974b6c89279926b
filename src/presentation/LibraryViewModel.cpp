#include "presentation/LibraryViewModel.h"

#include "model/CharacterClasses.h"
#include "model/LocaleCompare.h"
#include "model/PluginInstall.h"
#include "model/Tag.h"
#include "presentation/GroupKey.h"
#include "presentation/InstantCache.h"
#include "presentation/MakeRawPlugin.h"

#include <QSet>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <limits>

namespace {

template <typename E> quint32 bit(E value)
{
    return quint32(1) << canonicalIndex(value);
}

int foundInstallCount(const PluginRecord& record)
{
    int count = 0;
    for (const PluginInstall* install : record.installs())
        count += install->isFound() ? 1 : 0;
    return count;
}

bool isCanonicalName(const QString& name)
{
    return groupKey(name) == CharacterClasses::trimmedBlanks(name.toLower());
}

// User-perceived characters, as a reader counts them.
qsizetype characterCount(const QString& text)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype count = 0;
    while (finder.toNextBoundary() > 0)
        ++count;
    return count;
}

} // namespace

// The filter state worked out once per update rather than once per group.
struct LibraryViewModel::Criteria {
    explicit Criteria(const FilterState& state)
        : search(state.searchText().toLower()), favoritesOnly(state.favoritesOnly()), tags(state.selectedTags())
    {
        for (const PluginFormat format : state.selectedFormats())
            formats |= bit(format);
        for (const PluginArchitecture architecture : state.selectedArchitectures())
            architectures |= bit(architecture);
        for (const PluginPlatform platform : state.selectedPlatforms())
            platforms |= bit(platform);
        const QDateTime from = state.installDateFrom();
        const QDateTime to = state.installDateTo();
        hasDates = from.isValid() || to.isValid();
        if (from.isValid())
            lower = from.toMSecsSinceEpoch();
        if (to.isValid())
            upper = to.toMSecsSinceEpoch();
    }

    bool passes(const KeptGroups::Facts& facts, InstantCache& instants) const
    {
        if (!search.isEmpty() && !facts.lowerName.contains(search) && !facts.lowerPublisher.contains(search))
            return false;
        const PluginRecord* record = facts.record;
        if (favoritesOnly && !(record && record->isFavorite()))
            return false;
        if (formats != 0 && (facts.formats & formats) == 0)
            return false;
        if (architectures != 0 && (facts.architectures & architectures) == 0)
            return false;
        if (platforms != 0 && (facts.platforms & platforms) == 0)
            return false;
        if (!tags.isEmpty() && !hasEveryTag(record))
            return false;
        return !hasDates || hasInstallInRange(record, instants);
    }

    bool hasInstallInRange(const PluginRecord* record, InstantCache& instants) const
    {
        if (!record)
            return false;
        for (const PluginInstall* install : record->installs()) {
            if (!install->isFound() || !install->installDate().isValid())
                continue;
            const qint64 at = instants.msecsSinceEpoch(install->installDate());
            if (lower <= at && at <= upper)
                return true;
        }
        return false;
    }

    bool hasEveryTag(const PluginRecord* record) const
    {
        if (!record)
            return false;
        QSet<QString> names;
        for (const Tag* tag : record->tags())
            names.insert(tag->name());
        for (const QString& wanted : tags)
            if (!names.contains(wanted))
                return false;
        return true;
    }

    QString search;
    bool favoritesOnly;
    QSet<QString> tags;
    quint32 formats = 0;
    quint32 architectures = 0;
    quint32 platforms = 0;
    bool hasDates = false;
    qint64 lower = std::numeric_limits<qint64>::min();
    qint64 upper = std::numeric_limits<qint64>::max();
};

LibraryViewModel::LibraryViewModel(QObject* parent) : QObject(parent), m_filterState(new FilterState(this)) {}

QVariantList LibraryViewModel::sectionsModel() const
{
    if (!m_sectionsModelValid) {
        m_sectionsModel.clear();
        m_sectionsModel.reserve(m_sections.size());
        for (const LibrarySection& section : m_sections)
            m_sectionsModel.append(section.toVariantMap());
        m_sectionsModelValid = true;
    }
    return m_sectionsModel;
}

int LibraryViewModel::shownGroupCount() const
{
    qsizetype count = 0;
    for (const LibrarySection& section : m_sections)
        count += section.groups.size();
    return int(count);
}

void LibraryViewModel::update(const QList<PluginRecord*>& records)
{
    m_instants.revalidate();
    // Two-digit row years are read against today, so a new day groups afresh.
    const QDate today = QDate::currentDate();
    // The same rows from the same records (an edit of a note or a tag, a refresh that found the
    // same installs) give the same groups and the same records standing for them.
    if (m_groupingCount > 0 && today == m_groupedOn && m_inputs.matches(records)) {
        refilter();
        return;
    }

    QHash<QString, PluginRecord*> lookup;
    lookup.reserve(records.size());
    QList<RawPlugin> rows;
    rows.reserve(records.size() * 2);
    for (PluginRecord* record : records) {
        if (!record)
            continue;
        const qsizetype rowsBefore = rows.size();
        appendRawPlugins(*record, rows, m_instants);
        // Rows come from found installs only: none means the record takes no part.
        if (rows.size() == rowsBefore)
            continue;
        const QString key = groupKey(record->name());
        auto stored = lookup.find(key);
        if (stored == lookup.end())
            lookup.insert(key, record);
        else if (prefer(*record, *stored.value()))
            stored.value() = record;
    }
    m_inputs.take(records);
    const bool lookupChanged = lookup != m_recordLookup;
    if (lookupChanged)
        m_recordLookup = std::move(lookup);

    if (rows != m_rows || m_groupingCount == 0 || today != m_groupedOn) {
        m_groups = KeptGroups(m_grouper.group(rows), m_recordLookup);
        m_rows = std::move(rows);
        m_groupedOn = today;
        ++m_groupingCount;
    } else {
        // Same groups, but their found formats or standing records may differ.
        m_groups = KeptGroups(m_groups.groups(), m_recordLookup);
    }
    if (lookupChanged)
        Q_EMIT recordLookupChanged();
    if (m_groups.groups().size() != m_totalGroupCount) {
        m_totalGroupCount = int(m_groups.groups().size());
        Q_EMIT totalGroupCountChanged();
    }
    refilter();
}

void LibraryViewModel::refilter()
{
    const Criteria criteria(*m_filterState);
    std::vector<qsizetype> chosen;
    chosen.reserve(std::size_t(m_groups.groups().size()));
    for (qsizetype i = 0; i < m_groups.groups().size(); ++i)
        if (criteria.passes(m_groups.facts(i), m_instants))
            chosen.push_back(i);

    QList<LibrarySection> sections = m_groups.sections(chosen, m_filterState->groupingMode(),
                                                       m_filterState->sortKey(), m_filterState->sortAscending());
    // Not compared with the previous sections: over thousands of groups a comparison costs more
    // than the redraw it would spare. Only an empty list staying empty is certainly no change.
    if (!sections.isEmpty() || !m_sections.isEmpty()) {
        m_sections = std::move(sections);
        m_sectionsModelValid = false;
        Q_EMIT sectionsChanged();
    }
}

bool LibraryViewModel::prefer(const PluginRecord& candidate, const PluginRecord& stored)
{
    const int candidateFound = foundInstallCount(candidate);
    const int storedFound = foundInstallCount(stored);
    if (candidateFound != storedFound)
        return candidateFound > storedFound;
    const bool candidateCanonical = isCanonicalName(candidate.name());
    if (candidateCanonical != isCanonicalName(stored.name()))
        return candidateCanonical;
    const qsizetype candidateLength = characterCount(candidate.name());
    const qsizetype storedLength = characterCount(stored.name());
    if (candidateLength != storedLength)
        return candidateLength < storedLength;
    return localizedCaseInsensitiveCompare(candidate.name(), stored.name()) < 0;
}
