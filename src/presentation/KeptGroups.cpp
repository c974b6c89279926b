#include "presentation/KeptGroups.h"

#include "model/LocaleCompare.h"
#include "model/PluginInstall.h"
#include "model/PluginRecord.h"
#include "presentation/LibrarySectioning.h"

#include <algorithm>
#include <numeric>

namespace {

template <typename E> quint32 bit(E value)
{
    return quint32(1) << canonicalIndex(value);
}

bool sortsByLocale(GroupingMode mode)
{
    return mode == GroupingMode::byPublisher || mode == GroupingMode::byType;
}

// Headers that the collation finds equal ("FabFilter", "fabfilter") still get a fixed order.
bool localeLess(const QString& a, const QString& b)
{
    const int order = localizedCaseInsensitiveCompare(a, b);
    return order != 0 ? order < 0 : LibrarySectioning::codePointLess(a, b);
}

std::vector<int> ranksOf(const QStringList& texts, GroupingMode mode)
{
    std::vector<int> byRank(std::size_t(texts.size()));
    std::iota(byRank.begin(), byRank.end(), 0);
    const bool byLocale = sortsByLocale(mode);
    std::sort(byRank.begin(), byRank.end(), [&](int a, int b) {
        return byLocale ? localeLess(texts[a], texts[b]) : LibrarySectioning::codePointLess(texts[a], texts[b]);
    });
    std::vector<int> rank(byRank.size());
    for (std::size_t i = 0; i < byRank.size(); ++i)
        rank[std::size_t(byRank[i])] = int(i);
    return rank;
}

// The latest date of the record's found installs; invalid when none has one.
QDateTime latestFoundDate(const PluginRecord* record, LibrarySortKey key)
{
    QDateTime latest;
    if (!record)
        return latest;
    for (const PluginInstall* install : record->installs()) {
        if (!install || install->status() != InstallStatus::found)
            continue;
        const QDateTime date = key == LibrarySortKey::installDate ? install->installDate() : install->dateModified();
        if (date.isValid() && (!latest.isValid() || date > latest))
            latest = date;
    }
    return latest;
}

} // namespace

KeptGroups::KeptGroups(QList<PluginGroup> groups, const QHash<QString, PluginRecord*>& recordLookup)
    : m_groups(std::move(groups))
{
    m_facts.reserve(std::size_t(m_groups.size()));
    for (const PluginGroup& group : std::as_const(m_groups))
        m_facts.push_back(factsOf(group, recordLookup.value(group.id)));
}

KeptGroups::Facts KeptGroups::factsOf(const PluginGroup& group, const PluginRecord* record)
{
    Facts facts{record, group.name.toLower(), group.publisher.toLower()};
    if (!record)
        return facts;
    for (const PluginInstall* install : record->installs()) {
        if (!install->isFound())
            continue;
        facts.formats |= bit(install->format());
        facts.architectures |= bit(install->architecture());
        facts.platforms |= bit(install->platform());
    }
    return facts;
}

const KeptGroups::Headers& KeptGroups::headers(GroupingMode mode)
{
    std::optional<Headers>& cached = m_headers[std::size_t(canonicalIndex(mode))];
    if (cached)
        return *cached;
    Headers headers;
    headers.ofGroup.reserve(std::size_t(m_groups.size()));
    QHash<QString, int> indexOf;
    for (const PluginGroup& group : std::as_const(m_groups)) {
        const QString text = LibrarySectioning::header(group, mode, {});
        auto found = indexOf.constFind(text);
        if (found == indexOf.cend()) {
            found = indexOf.insert(text, int(headers.texts.size()));
            headers.texts.append(text);
        }
        headers.ofGroup.push_back(found.value());
    }
    headers.rank = ranksOf(headers.texts, mode);
    return cached.emplace(std::move(headers));
}

KeptGroups::Headers KeptGroups::typeHeaders(const std::vector<qsizetype>& chosen) const
{
    Headers headers;
    headers.ofGroup.assign(std::size_t(m_groups.size()), -1);
    QHash<QString, int> indexOf;
    for (const qsizetype index : chosen) {
        const QString text = LibrarySectioning::typeHeader(facts(index).record);
        auto found = indexOf.constFind(text);
        if (found == indexOf.cend()) {
            found = indexOf.insert(text, int(headers.texts.size()));
            headers.texts.append(text);
        }
        headers.ofGroup[std::size_t(index)] = found.value();
    }
    headers.rank = ranksOf(headers.texts, GroupingMode::byType);
    return headers;
}

const std::vector<int>& KeptGroups::publisherRanks()
{
    if (m_publisherRanks)
        return *m_publisherRanks;
    // Publishers the collation finds equal share a rank, so they keep name order as before.
    const QCollator collator = localizedCaseInsensitiveCollator();
    QStringList distinct;
    QHash<QString, int> indexOf;
    std::vector<int> ofGroup;
    ofGroup.reserve(std::size_t(m_groups.size()));
    for (const PluginGroup& group : std::as_const(m_groups)) {
        auto found = indexOf.constFind(group.publisher);
        if (found == indexOf.cend()) {
            found = indexOf.insert(group.publisher, int(distinct.size()));
            distinct.append(group.publisher);
        }
        ofGroup.push_back(found.value());
    }
    std::vector<int> byOrder(std::size_t(distinct.size()));
    std::iota(byOrder.begin(), byOrder.end(), 0);
    std::sort(byOrder.begin(), byOrder.end(),
              [&](int a, int b) { return collator.compare(distinct[a], distinct[b]) < 0; });
    std::vector<int> rank(byOrder.size());
    for (std::size_t i = 0; i < byOrder.size(); ++i) {
        const bool tied = i > 0 && collator.compare(distinct[byOrder[i - 1]], distinct[byOrder[i]]) == 0;
        rank[std::size_t(byOrder[i])] = i == 0 ? 0 : rank[std::size_t(byOrder[i - 1])] + (tied ? 0 : 1);
    }
    for (int& publisher : ofGroup)
        publisher = rank[std::size_t(publisher)];
    return m_publisherRanks.emplace(std::move(ofGroup));
}

const std::vector<QDateTime>& KeptGroups::latestDates(LibrarySortKey key)
{
    std::optional<std::vector<QDateTime>>& cached =
        key == LibrarySortKey::installDate ? m_installDates : m_modificationDates;
    if (!cached) {
        std::vector<QDateTime> dates;
        dates.reserve(m_facts.size());
        for (const Facts& facts : m_facts)
            dates.push_back(latestFoundDate(facts.record, key));
        cached.emplace(std::move(dates));
    }
    return *cached;
}

void KeptGroups::order(std::vector<qsizetype>& members, LibrarySortKey key, bool ascending)
{
    switch (key) {
    case LibrarySortKey::name:
        if (!ascending)
            std::reverse(members.begin(), members.end());
        return;
    case LibrarySortKey::publisher: {
        const std::vector<int>& rank = publisherRanks();
        std::stable_sort(members.begin(), members.end(), [&](qsizetype a, qsizetype b) {
            const int x = rank[std::size_t(a)];
            const int y = rank[std::size_t(b)];
            return ascending ? x < y : y < x;
        });
        return;
    }
    case LibrarySortKey::size:
        std::stable_sort(members.begin(), members.end(), [&](qsizetype a, qsizetype b) {
            const qint64 x = m_groups[a].totalSizeBytes;
            const qint64 y = m_groups[b].totalSizeBytes;
            return ascending ? x < y : y < x;
        });
        return;
    case LibrarySortKey::installDate:
    case LibrarySortKey::modificationDate: {
        const std::vector<QDateTime>& dates = latestDates(key);
        std::stable_sort(members.begin(), members.end(), [&](qsizetype a, qsizetype b) {
            const QDateTime& x = dates[std::size_t(a)];
            const QDateTime& y = dates[std::size_t(b)];
            if (x.isValid() != y.isValid())
                return x.isValid();
            return ascending ? x < y : y < x;
        });
        return;
    }
    }
}

QList<LibrarySection> KeptGroups::sections(const std::vector<qsizetype>& chosen, GroupingMode mode,
                                           LibrarySortKey key, bool ascending)
{
    std::optional<Headers> byType;
    if (mode == GroupingMode::byType)
        byType = typeHeaders(chosen);
    const Headers& headers = byType ? *byType : this->headers(mode);

    std::vector<std::vector<qsizetype>> members(std::size_t(headers.texts.size()));
    for (const qsizetype index : chosen)
        members[std::size_t(headers.ofGroup[std::size_t(index)])].push_back(index);
    std::vector<int> used;
    for (std::size_t header = 0; header < members.size(); ++header)
        if (!members[header].empty())
            used.push_back(int(header));
    std::sort(used.begin(), used.end(),
              [&headers](int a, int b) { return headers.rank[std::size_t(a)] < headers.rank[std::size_t(b)]; });

    QList<LibrarySection> result;
    result.reserve(qsizetype(used.size()));
    for (const int header : used) {
        std::vector<qsizetype>& indices = members[std::size_t(header)];
        order(indices, key, ascending);
        LibrarySection& section = result.emplaceBack(LibrarySection{headers.texts[header], {}});
        section.groups.reserve(qsizetype(indices.size()));
        for (const qsizetype index : indices)
            section.groups.append(m_groups[index]);
    }
    return result;
}
