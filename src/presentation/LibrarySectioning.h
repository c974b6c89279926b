#pragma once

#include "presentation/GroupingMode.h"
#include "presentation/LibrarySection.h"
#include "presentation/LibrarySortKey.h"

#include <QHash>
#include <QList>
#include <QString>

class PluginRecord;

// Splits name-ordered groups into the titled sections of the library list.
namespace LibrarySectioning {

// Groups keep their order within a section; sections come in the mode's header order.
[[nodiscard]] QList<LibrarySection> sections(QList<PluginGroup> groups, GroupingMode mode,
                                             const QHash<QString, PluginRecord*>& recordLookup);

// Reorders the name-ordered groups of each section by `key`. Equal keys keep name order, and
// groups without the date a date key asks for come last whichever the direction.
void orderWithin(QList<LibrarySection>& sections, LibrarySortKey key, bool ascending,
                 const QHash<QString, PluginRecord*>& recordLookup);

// The section header of one group in the given mode.
[[nodiscard]] QString header(const PluginGroup& group, GroupingMode mode,
                             const QHash<QString, PluginRecord*>& recordLookup);

// The name's first character (with its combining marks) upper-cased, or "#" when the name is
// empty or does not start with a letter.
[[nodiscard]] QString initialHeader(const QString& name);

// Plain Unicode code-point order (not UTF-16 code-unit order).
[[nodiscard]] bool codePointLess(QStringView a, QStringView b);

} // namespace LibrarySectioning
