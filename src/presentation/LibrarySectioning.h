#pragma once

#include "presentation/GroupingMode.h"
#include "presentation/PluginGroup.h"

#include <QHash>
#include <QString>

class PluginRecord;

// The titles of the library list's sections.
namespace LibrarySectioning {

// The section header of one group in the given mode.
[[nodiscard]] QString header(const PluginGroup& group, GroupingMode mode,
                             const QHash<QString, PluginRecord*>& recordLookup);

// The header by type: the record's category, "Other" without one.
[[nodiscard]] QString typeHeader(const PluginRecord* record);

// The name's first character (with its combining marks) upper-cased, or "#" when the name is
// empty or does not start with a letter.
[[nodiscard]] QString initialHeader(const QString& name);

// Plain Unicode code-point order (not UTF-16 code-unit order).
[[nodiscard]] bool codePointLess(QStringView a, QStringView b);

} // namespace LibrarySectioning
