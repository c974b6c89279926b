#pragma once

#include "presentation/GroupingMode.h"
#include "presentation/LibrarySection.h"
#include "presentation/LibrarySortKey.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

class PluginRecord;

// The groups of one grouping with what filtering, sectioning and sorting read from each, worked
// out once per grouping instead of once per keystroke: the lower-cased texts a search looks in,
// the found formats, architectures and platforms of the group's record, and (on first use) each
// group's section header and sort key. Section headers by type come from the records' current
// categories on every call.
class KeptGroups {
public:
    struct Facts {
        const PluginRecord* record = nullptr;
        QString lowerName;
        QString lowerPublisher;
        // Bits by canonical index of the record's found installs.
        quint32 formats = 0;
        quint32 architectures = 0;
        quint32 platforms = 0;
    };

    KeptGroups() = default;
    KeptGroups(QList<PluginGroup> groups, const QHash<QString, PluginRecord*>& recordLookup);

    [[nodiscard]] const QList<PluginGroup>& groups() const { return m_groups; }
    [[nodiscard]] const Facts& facts(qsizetype index) const { return m_facts[std::size_t(index)]; }
    [[nodiscard]] static Facts factsOf(const PluginGroup& group, const PluginRecord* record);

    // The chosen groups (indices, in name order) in sections, in the mode's header order, each
    // ordered by `key`: equal keys keep name order, and groups without the date a date key asks
    // for come last whichever the direction.
    [[nodiscard]] QList<LibrarySection> sections(const std::vector<qsizetype>& chosen, GroupingMode mode,
                                                 LibrarySortKey key, bool ascending);

private:
    // Each group's header as an index into texts; rank orders the texts as the sections go.
    struct Headers {
        std::vector<int> ofGroup;
        QStringList texts;
        std::vector<int> rank;
    };

    const Headers& headers(GroupingMode mode);
    [[nodiscard]] Headers typeHeaders(const std::vector<qsizetype>& chosen) const;
    void order(std::vector<qsizetype>& members, LibrarySortKey key, bool ascending);
    const std::vector<int>& publisherRanks();
    const std::vector<QDateTime>& latestDates(LibrarySortKey key);

    QList<PluginGroup> m_groups;
    std::vector<Facts> m_facts;
    std::array<std::optional<Headers>, 5> m_headers;
    std::optional<std::vector<int>> m_publisherRanks;
    std::optional<std::vector<QDateTime>> m_installDates;
    std::optional<std::vector<QDateTime>> m_modificationDates;
};
