#include "ui/LibraryListModel.h"

#include "model/PluginRecord.h"
#include "presentation/DashboardViewModel.h"

#include <QSet>

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
    const Row& row = m_rows[index.row()];
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
    Row& row = m_rows[index.row()];
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
    for (qsizetype i = 0; i < m_rows.size(); ++i)
        if (!m_rows[i].isHeader && m_rows[i].group.id == groupId)
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

QList<LibraryListModel::Row> LibraryListModel::buildRows(const QList<LibrarySection>& sections,
                                                        const QHash<QString, PluginRecord*>& recordLookup,
                                                        const QHash<QString, QDateTime>& latestByPublisher)
{
    QList<Row> rows;
    for (const LibrarySection& section : sections) {
        Row header;
        header.key = QStringLiteral("h:") + section.header;
        header.isHeader = true;
        header.title = section.header;
        header.count = int(section.groups.size());
        rows.append(header);
        for (const PluginGroup& group : section.groups) {
            PluginRecord* record = recordLookup.value(group.id);
            if (!record)
                continue;
            Row card;
            card.key = QStringLiteral("g:") + group.id;
            card.group = group;
            card.record = record;
            card.possiblyOutdated = record->hasInstallOlderThanAYear(
                latestByPublisher.value(record->publisher(), DashboardViewModel::earliestDate()));
            rows.append(card);
        }
    }
    return rows;
}

void LibraryListModel::setContents(const QList<LibrarySection>& sections,
                                   const QHash<QString, PluginRecord*>& recordLookup,
                                   const QHash<QString, QDateTime>& latestByPublisher)
{
    QList<Row> rows = buildRows(sections, recordLookup, latestByPublisher);
    const int oldCount = count();
    if (!applyInPlace(rows)) {
        QHash<QString, bool> expanded;
        for (const Row& row : std::as_const(m_rows))
            if (row.expanded)
                expanded.insert(row.key, true);
        for (Row& row : rows)
            row.expanded = expanded.value(row.key, false);
        beginResetModel();
        m_rows = std::move(rows);
        endResetModel();
    }
    if (count() != oldCount)
        Q_EMIT countChanged();
}

bool LibraryListModel::applyInPlace(QList<Row>& rows)
{
    QSet<QString> newKeys;
    newKeys.reserve(rows.size());
    for (const Row& row : std::as_const(rows))
        newKeys.insert(row.key);
    if (newKeys.size() != rows.size())
        return false;

    // Many scattered changes (a new search over a long list) are cheaper as one reset than as
    // hundreds of separate removals and insertions.
    constexpr int maximumRuns = 64;
    QSet<QString> oldKeys;
    oldKeys.reserve(m_rows.size());
    int runs = 0;
    bool inRun = false;
    for (const Row& row : std::as_const(m_rows)) {
        oldKeys.insert(row.key);
        const bool removed = !newKeys.contains(row.key);
        runs += removed && !inRun ? 1 : 0;
        inRun = removed;
    }
    inRun = false;
    for (const Row& row : std::as_const(rows)) {
        const bool inserted = !oldKeys.contains(row.key);
        runs += inserted && !inRun ? 1 : 0;
        inRun = inserted;
    }
    if (runs > maximumRuns)
        return false;

    // The rows that stay must keep their order: then removals and insertions are enough.
    qsizetype next = 0;
    for (const Row& row : std::as_const(m_rows)) {
        if (!newKeys.contains(row.key))
            continue;
        while (next < rows.size() && rows[next].key != row.key)
            ++next;
        if (next == rows.size())
            return false;
        ++next;
    }

    for (qsizetype end = m_rows.size(); end > 0;) {
        if (newKeys.contains(m_rows[end - 1].key)) {
            --end;
            continue;
        }
        qsizetype start = end - 1;
        while (start > 0 && !newKeys.contains(m_rows[start - 1].key))
            --start;
        beginRemoveRows({}, int(start), int(end - 1));
        m_rows.remove(start, end - start);
        endRemoveRows();
        end = start;
    }

    qsizetype at = 0;
    for (qsizetype i = 0; i < rows.size();) {
        if (at < m_rows.size() && m_rows[at].key == rows[i].key) {
            rows[i].expanded = m_rows[at].expanded;
            if (!m_rows[at].sameContent(rows[i])) {
                m_rows[at] = rows[i];
                const QModelIndex changed = index(int(at));
                Q_EMIT dataChanged(changed, changed);
            }
            ++at;
            ++i;
            continue;
        }
        qsizetype runEnd = i;
        while (runEnd < rows.size() && !(at < m_rows.size() && m_rows[at].key == rows[runEnd].key))
            ++runEnd;
        beginInsertRows({}, int(at), int(at + (runEnd - i) - 1));
        for (qsizetype k = i; k < runEnd; ++k)
            m_rows.insert(at + (k - i), rows[k]);
        endInsertRows();
        at += runEnd - i;
        i = runEnd;
    }
    return true;
}
