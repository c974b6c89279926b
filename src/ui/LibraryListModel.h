#pragma once

#include "presentation/LibrarySection.h"

#include <QAbstractListModel>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QtQml/qqmlregistration.h>

#include <memory>
#include <vector>

class PluginRecord;

// The sectioned library list flattened for one ListView: each section's header row followed by
// one card row per group that has a record. Updated in place (rows removed, moved, inserted and
// changed), so rows that stay keep their delegate, their place under the view and their expansion.
class LibraryListModel : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The library controller owns the list.")
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    enum Role {
        isHeaderRole = Qt::UserRole + 1,
        keyRole,
        titleRole,   // a header's text
        countRole,   // a header's number of groups
        groupIdRole, // card rows from here on
        nameRole,
        publisherRole,
        formatsRole,
        architecturesRole,
        totalSizeRole,
        datedRole,
        recordRole,
        possiblyOutdatedRole,
        expandedRole, // writable
    };
    Q_ENUM(Role)

    explicit LibraryListModel(QObject* parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
    [[nodiscard]] QHash<int, QByteArray> roleNames() const override;

    [[nodiscard]] int count() const { return int(m_rows.size()); }
    // -1 when the group has no card row.
    [[nodiscard]] Q_INVOKABLE int rowOfGroup(const QString& groupId) const;
    Q_INVOKABLE void setExpanded(int row, bool expanded);
    // The first card row from `row` on in `direction` (+1 down, -1 up), `row` itself included;
    // -1 when there is none. Keyboard moves skip the section headers through it.
    [[nodiscard]] Q_INVOKABLE int cardRowFrom(int row, int direction) const;

    // `latestByPublisher` dates the possibly-outdated marker; a publisher without an entry counts
    // as never having installed anything. `sameCatalogue` says no record changed since the last
    // call, so the markers worked out then still hold.
    void setContents(const QList<LibrarySection>& sections, const QHash<QString, PluginRecord*>& recordLookup,
                     const QHash<QString, QDateTime>& latestByPublisher, bool sameCatalogue = false);

    // Beyond this many rows changing places, one reset is cheaper for the view than the moves.
    static constexpr qsizetype maximumMoves = 256;

Q_SIGNALS:
    void countChanged();

private:
    struct Row {
        bool isHeader = false;
        QString title;
        int count = 0;
        PluginGroup group;
        QPointer<PluginRecord> record;
        bool possiblyOutdated = false;
        bool expanded = false;

        // A header is known by its title, a card by its group.
        [[nodiscard]] QStringView keyText() const { return isHeader ? QStringView(title) : QStringView(group.id); }
    };

    // A row of the new contents, pointing into the sections it comes from.
    struct Entry {
        const LibrarySection* section = nullptr;
        const PluginGroup* group = nullptr; // null for the section's header
        PluginRecord* record = nullptr;
        bool possiblyOutdated = false;

        [[nodiscard]] QStringView keyText() const { return group ? QStringView(group->id) : QStringView(section->header); }
    };

    // What a group's card shows besides the group, while the catalogue stays the same. Holds the
    // group's key so that the text it is found by stays allocated.
    struct Resolved {
        QString groupId;
        PluginRecord* record = nullptr;
        bool possiblyOutdated = false;
    };

    // Rows are held by pointer: removing, inserting and moving shift pointers, not rows.
    using Rows = std::vector<std::unique_ptr<Row>>;

    [[nodiscard]] std::vector<Entry> entries(const QList<LibrarySection>& sections,
                                             const QHash<QString, PluginRecord*>& recordLookup,
                                             const QHash<QString, QDateTime>& latestByPublisher);
    [[nodiscard]] static std::unique_ptr<Row> makeRow(const Entry& entry);
    // Everything but the expansion, which belongs to the view.
    static void fill(Row& row, const Entry& entry);
    // Whether the row shows what the entry holds; strings shared with the kept groups compare
    // by pointer, so a row that stayed costs a few comparisons.
    [[nodiscard]] static bool showsEntry(const Row& row, const Entry& entry);
    // False, with nothing changed, when the rows moved too much for moves to be worth it.
    bool applyInPlace(const std::vector<Entry>& entries);
    void removeRows(const std::vector<qsizetype>& targets);
    void moveRows(const std::vector<const Row*>& keptInNewOrder, const std::vector<bool>& stays);
    void insertAndChangeRows(const std::vector<Entry>& entries, const std::vector<bool>& kept);
    [[nodiscard]] qsizetype indexOfRow(const Row* row) const;

    Rows m_rows;
    // Per group key, by the address of its text (shared by every copy of the group), its record
    // and possibly-outdated marker, while the catalogue stays the same.
    QHash<const QChar*, Resolved> m_resolved;
};
