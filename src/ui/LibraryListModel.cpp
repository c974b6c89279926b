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
        return row.key;
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

bool LibraryListModel::Row::sameContent(const Row& other) const
{
    return isHeader == other.isHeader && title == other.title && count == other.count && group == other.group &&
           record == other.record && possiblyOutdated == other.possiblyOutdated;
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

LibraryListModel::Rows LibraryListModel::buildRows(const QList<LibrarySection>& sections,
                                                   const QHash<QString, PluginRecord*>& recordLookup,
                                                   const QHash<QString, QDateTime>& latestByPublisher)
{
    Rows rows;
    for (const LibrarySection& section : sections) {
        auto header = std::make_unique<Row>();
        header->key = QStringLiteral("h:") + section.header;
        header->isHeader = true;
        header->title = section.header;
        header->count = int(section.groups.size());
        rows.push_back(std::move(header));
        for (const PluginGroup& group : section.groups) {
            PluginRecord* record = recordLookup.value(group.id);
            if (!record)
                continue;
            auto card = std::make_unique<Row>();
            card->key = QStringLiteral("g:") + group.id;
            card->group = group;
            card->record = record;
            // Local install dates cost a time-zone lookup each: worked out once per catalogue.
            auto outdated = m_outdated.constFind(record);
            if (outdated == m_outdated.cend())
                outdated = m_outdated.insert(record, record->hasInstallOlderThanAYear(latestByPublisher.value(
                                                         record->publisher(), DashboardViewModel::earliestDate())));
            card->possiblyOutdated = outdated.value();
            rows.push_back(std::move(card));
        }
    }
    return rows;
}

void LibraryListModel::setContents(const QList<LibrarySection>& sections,
                                   const QHash<QString, PluginRecord*>& recordLookup,
                                   const QHash<QString, QDateTime>& latestByPublisher, bool sameCatalogue)
{
    if (!sameCatalogue)
        m_outdated.clear();
    Rows rows = buildRows(sections, recordLookup, latestByPublisher);
    const int oldCount = count();
    if (!applyInPlace(rows)) {
        QSet<QString> expanded;
        for (const auto& row : m_rows)
            if (row->expanded)
                expanded.insert(row->key);
        for (const auto& row : rows)
            row->expanded = expanded.contains(row->key);
        beginResetModel();
        m_rows = std::move(rows);
        endResetModel();
    }
    if (count() != oldCount)
        Q_EMIT countChanged();
}

bool LibraryListModel::applyInPlace(Rows& rows)
{
    QHash<QString, qsizetype> newIndex;
    newIndex.reserve(qsizetype(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (newIndex.contains(rows[i]->key))
            return false;
        newIndex.insert(rows[i]->key, qsizetype(i));
    }

    // The kept rows in their present order, with their places in the new list.
    std::vector<qsizetype> targets;
    std::vector<const Row*> kept;
    for (const auto& row : m_rows) {
        const auto found = newIndex.constFind(row->key);
        if (found == newIndex.cend())
            continue;
        targets.push_back(found.value());
        kept.push_back(row.get());
    }
    const std::vector<bool> stays = longestIncreasing(targets);
    if (qsizetype(std::count(stays.begin(), stays.end(), false)) > maximumMoves)
        return false;

    std::vector<std::size_t> byTarget(kept.size());
    for (std::size_t i = 0; i < byTarget.size(); ++i)
        byTarget[i] = i;
    std::sort(byTarget.begin(), byTarget.end(), [&targets](std::size_t a, std::size_t b) { return targets[a] < targets[b]; });
    std::vector<const Row*> keptInNewOrder;
    std::vector<bool> staysInNewOrder;
    keptInNewOrder.reserve(kept.size());
    staysInNewOrder.reserve(kept.size());
    for (const std::size_t i : byTarget) {
        keptInNewOrder.push_back(kept[i]);
        staysInNewOrder.push_back(stays[i]);
    }

    removeRows(newIndex);
    moveRows(keptInNewOrder, staysInNewOrder);
    insertAndChangeRows(rows);
    return true;
}

void LibraryListModel::removeRows(const QHash<QString, qsizetype>& newIndex)
{
    // From the end, so the runs still to remove keep their indices.
    for (std::size_t end = m_rows.size(); end > 0;) {
        if (newIndex.contains(m_rows[end - 1]->key)) {
            --end;
            continue;
        }
        std::size_t start = end - 1;
        while (start > 0 && !newIndex.contains(m_rows[start - 1]->key))
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

void LibraryListModel::insertAndChangeRows(Rows& rows)
{
    std::size_t at = 0;
    for (std::size_t i = 0; i < rows.size();) {
        if (at < m_rows.size() && m_rows[at]->key == rows[i]->key) {
            rows[i]->expanded = m_rows[at]->expanded;
            if (!m_rows[at]->sameContent(*rows[i])) {
                m_rows[at] = std::move(rows[i]);
                const QModelIndex changed = index(int(at));
                Q_EMIT dataChanged(changed, changed);
            }
            ++at;
            ++i;
            continue;
        }
        std::size_t runEnd = i;
        while (runEnd < rows.size() && !(at < m_rows.size() && m_rows[at]->key == rows[runEnd]->key))
            ++runEnd;
        beginInsertRows({}, int(at), int(at + (runEnd - i) - 1));
        m_rows.insert(m_rows.begin() + std::ptrdiff_t(at), std::make_move_iterator(rows.begin() + std::ptrdiff_t(i)),
                      std::make_move_iterator(rows.begin() + std::ptrdiff_t(runEnd)));
        endInsertRows();
        at += runEnd - i;
        i = runEnd;
    }
}
