#pragma once

#include "presentation/LibrarySection.h"

#include <QAbstractListModel>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QtQml/qqmlregistration.h>

class PluginRecord;

// The sectioned library list flattened for one ListView: each section's header row followed by
// one card row per group that has a record. Updated in place, so rows that stay keep their
// delegate and their expansion.
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

    // `latestByPublisher` dates the possibly-outdated marker; a publisher without an entry counts
    // as never having installed anything.
    void setContents(const QList<LibrarySection>& sections, const QHash<QString, PluginRecord*>& recordLookup,
                     const QHash<QString, QDateTime>& latestByPublisher);

Q_SIGNALS:
    void countChanged();

private:
    struct Row {
        QString key;
        bool isHeader = false;
        QString title;
        int count = 0;
        PluginGroup group;
        QPointer<PluginRecord> record;
        bool possiblyOutdated = false;
        bool expanded = false;

        [[nodiscard]] bool sameContent(const Row& other) const;
    };

    [[nodiscard]] static QList<Row> buildRows(const QList<LibrarySection>& sections,
                                              const QHash<QString, PluginRecord*>& recordLookup,
                                              const QHash<QString, QDateTime>& latestByPublisher);
    // False when the kept rows changed order, which only a reset can show.
    bool applyInPlace(QList<Row>& rows);

    QList<Row> m_rows;
};
