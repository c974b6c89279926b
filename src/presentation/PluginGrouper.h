#pragma once

#include "presentation/PluginGroup.h"
#include "presentation/RawPlugin.h"

#include <QList>
#include <QSet>
#include <QString>

// Turns rows (one per found install) into display groups, one per cleaned plug-in name, sorted by
// name, with publishers repaired where a bundle named none. Row dates are read with the English
// row date format and written in the user's locale (model/RowDateFormat.h).
class PluginGrouper {
public:
    [[nodiscard]] QList<PluginGroup> group(const QList<RawPlugin>& rows) const;

    // One group from one non-empty bucket of rows sharing the group key.
    [[nodiscard]] PluginGroup makeGroup(const QString& key, const QList<RawPlugin>& rows) const;

    // Drops a leading maker word from the name ("NI Massive X" by "Native Instruments" →
    // "Massive X"). A publisher that is only the plug-in's own name is no maker and cuts nothing.
    [[nodiscard]] static QString stripPublisherPrefix(const QString& name, const QString& publisher);
    // The spellings a maker's name takes as a name's first word: all words joined, the first word,
    // the initials, first + last word, first initial + last word.
    [[nodiscard]] static QSet<QString> publisherPrefixKeys(const QString& publisher);
};
