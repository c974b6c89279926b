#include "ui/LibraryListModel.h"

#include "model/PluginRecord.h"
#include "presentation/DashboardViewModel.h"

#include <QSet>

#include <algorithm>

LibraryListModel::LibraryListModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

int LibraryListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant LibraryListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Row& row = *m_rows[std::size_t(index.row())];
    switch (role) {
    case isHeaderRole:
        return row.isHeader;
    case keyRole:
        return row.isHeader ? QStringLiteral("h:") + row.title : QStringLiteral("g:") + row.group.id;
    case titleRole:
        return row.title;
    case countRole:
        return row.count;
    case groupIdRole:
        return row.group.id;
    case nameRole:
        return row.group.name;
    case publisherRole:
        return row.group.publisher;
    case formatsRole:
        return row.group.formats;
    case architecturesRole:
        return row.group.architectures;
    case totalSizeRole:
        return row.group.totalSize;
    case datedRole:
        return row.group.dated;
    case recordRole:
        return QVariant::fromValue(row.record.data());
    case possiblyOutdatedRole:
        return row.possiblyOutdated;
    case expandedRole:
        return row.expanded;
    default:
        return {};
    }
}

bool LibraryListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != expandedRole || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    Row& row = *m_rows[std::size_t(index.row())];
    if (row.isHeader || row.expanded == value.toBool())
        return false;
    row.expanded = value.toBool();
    Q_EMIT dataChanged(index, index, {expandedRole});
    return true;
}

Qt::ItemFlags LibraryListModel::flags(const QModelIndex& index) const
{
    return QAbstractListModel::flags(index) | (index.isValid() ? Qt::ItemIsEditable : Qt::NoItemFlags);
}

QHash<int, QByteArray> LibraryListModel::roleNames() const
{
    return {
        {isHeaderRole, "isHeader"},
        {keyRole, "key"},
        {titleRole, "title"},
        {countRole, "count"},
        {groupIdRole, "groupId"},
        {nameRole, "name"},
        {publisherRole, "publisher"},
        {formatsRole, "formats"},
        {architecturesRole, "architectures"},
        {totalSizeRole, "totalSize"},
        {datedRole, "dated"},
        {recordRole, "record"},
        {possiblyOutdatedRole, "possiblyOutdated"},
        {expandedRole, "expanded"},
    };
}

int LibraryListModel::rowOfGroup(const QString& groupId) const
{
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (!m_rows[i]->isHeader && m_rows[i]->group.id == groupId)
            return int(i);
    return -1;
}

int LibraryListModel::cardRowFrom(int row, int direction) const
{
    const auto size = std::ptrdiff_t(m_rows.size());
    if (size == 0)
        return -1;
    const std::ptrdiff_t step = direction < 0 ? -1 : 1;
    for (std::ptrdiff_t i = std::clamp<std::ptrdiff_t>(row, 0, size - 1); i >= 0 && i < size; i += step)
        if (!m_rows[std::size_t(i)]->isHeader)
            return int(i);
    return -1;
}

void LibraryListModel::setExpanded(int row, bool expanded)
{
    setData(index(row), expanded, expandedRole);
}

namespace {

// Which entries of `sequence` lie on one longest strictly increasing run: those can stay put
// while the others move around them.
std::vector<bool> longestIncreasing(const std::vector<qsizetype>& sequence)
{
    std::vector<std::size_t> tails;
    std::vector<std::ptrdiff_t> previous(sequence.size(), -1);
    for (std::size_t i = 0; i < sequence.size(); ++i) {
        const auto at = std::lower_bound(tails.begin(), tails.end(), sequence[i],
                                         [&sequence](std::size_t t, qsizetype value) { return sequence[t] < value; });
        if (at != tails.begin())
            previous[i] = std::ptrdiff_t(*(at - 1));
        if (at == tails.end())
            tails.push_back(i);
        else
            *at = i;
    }
    std::vector<bool> stays(sequence.size(), false);
    for (std::ptrdiff_t i = tails.empty() ? -1 : std::ptrdiff_t(tails.back()); i >= 0; i = previous[std::size_t(i)])
        stays[std::size_t(i)] = true;
    return stays;
}

} // namespace

std::vector<LibraryListModel::Entry> LibraryListModel::entries(const QList<LibrarySection>& sections,
                                                             const QHash<QString, PluginRecord*>& recordLookup,
                                                             const QHash<QString, QDateTime>& latestByPublisher)
{
    std::vector<Entry> result;
    qsizetype groups = 0;
    for (const LibrarySection& section : sections)
        groups += section.groups.size();
    result.reserve(std::size_t(sections.size() + groups));
    for (const LibrarySection& section : sections) {
        result.push_back(Entry{&section});
        for (const PluginGroup& group : section.groups) {
            auto resolved = m_resolved.constFind(group.id.constData());
            if (resolved == m_resolved.cend()) {
                PluginRecord* record = recordLookup.value(group.id);
                // Local install dates cost a time-zone lookup each: worked out once per catalogue.
                const bool outdated = record && record->hasInstallOlderThanAYear(latestByPublisher.value(
                                                    record->publisher(), DashboardViewModel::earliestDate()));
                resolved = m_resolved.insert(group.id.constData(), Resolved{group.id, record, outdated});
            }
            if (!resolved->record)
                continue;
            result.push_back(Entry{&section, &group, resolved->record, resolved->possiblyOutdated});
        }
    }
    return result;
}

std::unique_ptr<LibraryListModel::Row> LibraryListModel::makeRow(const Entry& entry)
{
    auto row = std::make_unique<Row>();
    fill(*row, entry);
    return row;
}

void LibraryListModel::fill(Row& row, const Entry& entry)
{
    row.isHeader = !entry.group;
    if (row.isHeader) {
        row.title = entry.section->header;
        row.count = int(entry.section->groups.size());
    } else {
        row.group = *entry.group;
        row.record = entry.record;
        row.possiblyOutdated = entry.possiblyOutdated;
    }
}

bool LibraryListModel::showsEntry(const Row& row, const Entry& entry)
{
    if (row.isHeader)
        return row.title == entry.section->header && row.count == int(entry.section->groups.size());
    return row.record == entry.record && row.possiblyOutdated == entry.possiblyOutdated && row.group == *entry.group;
}

void LibraryListModel::setContents(const QList<LibrarySection>& sections,
                                   const QHash<QString, PluginRecord*>& recordLookup,
                                   const QHash<QString, QDateTime>& latestByPublisher, bool sameCatalogue)
{
    if (!sameCatalogue)
        m_resolved.clear();
    const std::vector<Entry> newEntries = entries(sections, recordLookup, latestByPublisher);
    const int oldCount = count();
    if (!applyInPlace(newEntries)) {
        QSet<std::pair<bool, QString>> expanded;
        for (const auto& row : m_rows)
            if (row->expanded)
                expanded.insert({row->isHeader, row->keyText().toString()});
        Rows rows;
        rows.reserve(newEntries.size());
        for (const Entry& entry : newEntries) {
            rows.push_back(makeRow(entry));
            rows.back()->expanded = expanded.contains({!entry.group, entry.keyText().toString()});
        }
        beginResetModel();
        m_rows = std::move(rows);
        endResetModel();
    }
    if (count() != oldCount)
        Q_EMIT countChanged();
}

bool LibraryListModel::applyInPlace(const std::vector<Entry>& entries)
{
    // Cards are found by the address of their key's text, which every copy of a kept group
    // shares, so a search or filter change hashes no text; the few headers by their title.
    QHash<QStringView, qsizetype> headerIndex;
    QHash<const QChar*, qsizetype> cardIndex;
    cardIndex.reserve(qsizetype(entries.size()));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Entry& entry = entries[i];
        if (entry.group ? cardIndex.contains(entry.group->id.constData()) : headerIndex.contains(entry.section->header))
            return false;
        if (entry.group)
            cardIndex.insert(entry.group->id.constData(), qsizetype(i));
        else
            headerIndex.insert(entry.section->header, qsizetype(i));
    }

    // Each present row's place in the new list (-1: it goes).
    std::vector<qsizetype> targets(m_rows.size(), -1);
    std::vector<bool> isKept(entries.size(), false);
    std::vector<std::size_t> unmatchedCards;
    const auto keep = [&](std::size_t row, qsizetype target) {
        if (target < 0 || isKept[std::size_t(target)])
            return false;
        targets[row] = target;
        isKept[std::size_t(target)] = true;
        return true;
    };
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const Row& row = *m_rows[i];
        if (row.isHeader)
            keep(i, headerIndex.value(row.title, -1));
        else if (!keep(i, cardIndex.value(row.group.id.constData(), -1)))
            unmatchedCards.push_back(i);
    }
    // Groups built afresh (the catalogue changed) have texts of their own: found by the text.
    if (!unmatchedCards.empty()) {
        QHash<QStringView, qsizetype> byText;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (!entries[i].group || isKept[i])
                continue;
            if (byText.contains(entries[i].group->id))
                return false;
            byText.insert(entries[i].group->id, qsizetype(i));
        }
        for (std::size_t k = 0; k < unmatchedCards.size() && !byText.isEmpty(); ++k)
            keep(unmatchedCards[k], byText.value(m_rows[unmatchedCards[k]]->group.id, -1));
    }

    // The kept rows in present order.
    std::vector<qsizetype> keptTargets;
    std::vector<const Row*> kept;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (targets[i] < 0)
            continue;
        keptTargets.push_back(targets[i]);
        kept.push_back(m_rows[i].get());
    }
    const std::vector<bool> stays = longestIncreasing(keptTargets);
    if (qsizetype(std::count(stays.begin(), stays.end(), false)) > maximumMoves)
        return false;

    std::vector<std::size_t> byTarget(kept.size());
    for (std::size_t i = 0; i < byTarget.size(); ++i)
        byTarget[i] = i;
    std::sort(byTarget.begin(), byTarget.end(),
              [&keptTargets](std::size_t a, std::size_t b) { return keptTargets[a] < keptTargets[b]; });
    std::vector<const Row*> keptInNewOrder;
    std::vector<bool> staysInNewOrder;
    keptInNewOrder.reserve(kept.size());
    staysInNewOrder.reserve(kept.size());
    for (const std::size_t i : byTarget) {
        keptInNewOrder.push_back(kept[i]);
        staysInNewOrder.push_back(stays[i]);
    }

    removeRows(targets);
    moveRows(keptInNewOrder, staysInNewOrder);
    insertAndChangeRows(entries, isKept);
    return true;
}

void LibraryListModel::removeRows(const std::vector<qsizetype>& targets)
{
    // From the end, so the runs still to remove keep their indices.
    for (std::size_t end = m_rows.size(); end > 0;) {
        if (targets[end - 1] >= 0) {
            --end;
            continue;
        }
        std::size_t start = end - 1;
        while (start > 0 && targets[start - 1] < 0)
            --start;
        beginRemoveRows({}, int(start), int(end - 1));
        m_rows.erase(m_rows.begin() + std::ptrdiff_t(start), m_rows.begin() + std::ptrdiff_t(end));
        endRemoveRows();
        end = start;
    }
}

qsizetype LibraryListModel::indexOfRow(const Row* row) const
{
    const auto found = std::find_if(m_rows.begin(), m_rows.end(), [row](const auto& held) { return held.get() == row; });
    return found == m_rows.end() ? -1 : qsizetype(found - m_rows.begin());
}

void LibraryListModel::moveRows(const std::vector<const Row*>& keptInNewOrder, const std::vector<bool>& stays)
{
    // Each moving row goes right after the one before it in the new order, which is already in
    // place: the staying rows keep their order and earlier movers were placed first.
    for (std::size_t k = 0; k < keptInNewOrder.size(); ++k) {
        if (stays[k])
            continue;
        const qsizetype from = indexOfRow(keptInNewOrder[k]);
        const qsizetype to = k == 0 ? 0 : indexOfRow(keptInNewOrder[k - 1]) + 1;
        if (from == to || from + 1 == to)
            continue;
        beginMoveRows({}, int(from), int(from), {}, int(to));
        auto row = std::move(m_rows[std::size_t(from)]);
        m_rows.erase(m_rows.begin() + std::ptrdiff_t(from));
        m_rows.insert(m_rows.begin() + std::ptrdiff_t(from < to ? to - 1 : to), std::move(row));
        endMoveRows();
    }
}

void LibraryListModel::insertAndChangeRows(const std::vector<Entry>& entries, const std::vector<bool>& kept)
{
    // The rows left are the kept ones, already in the new order: walk both lists together.
    std::size_t at = 0;
    for (std::size_t i = 0; i < entries.size();) {
        if (kept[i]) {
            Row& row = *m_rows[at];
            if (!showsEntry(row, entries[i])) {
                fill(row, entries[i]);
                const QModelIndex changed = index(int(at));
                Q_EMIT dataChanged(changed, changed);
            } else if (entries[i].group && row.group.id.constData() != entries[i].group->id.constData()) {
                // The same group, built afresh: its texts are taken up, so that the next search
                // finds the row by their address.
                fill(row, entries[i]);
            }
            ++at;
            ++i;
            continue;
        }
        std::size_t runEnd = i;
        while (runEnd < entries.size() && !kept[runEnd])
            ++runEnd;
        Rows run;
        run.reserve(runEnd - i);
        for (std::size_t k = i; k < runEnd; ++k)
            run.push_back(makeRow(entries[k]));
        beginInsertRows({}, int(at), int(at + (runEnd - i) - 1));
        m_rows.insert(m_rows.begin() + std::ptrdiff_t(at), std::make_move_iterator(run.begin()),
                      std::make_move_iterator(run.end()));
        endInsertRows();
        at += runEnd - i;
        i = runEnd;
    }
}
