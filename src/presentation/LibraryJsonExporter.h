#pragma once

#include <QList>
#include <QString>

class PluginRecord;

// The flat export as JSON: one array holding an object per install, in the CSV's rows and order
// (installs not found included), with the record's name and publisher, the install's facts and its
// status. Sizes are integers of bytes; dates are ISO 8601 in UTC, null when unknown.
namespace LibraryJsonExporter {
[[nodiscard]] QString jsonText(const QList<PluginRecord*>& records);
}
