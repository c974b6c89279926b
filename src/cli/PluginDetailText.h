#pragma once

#include <QString>

struct PluginGroup;
class PluginRecord;

// One plug-in's detail for the terminal, as its expanded card shows it: the card's two lines,
// the description, the facts, every install (found first, then by format), notes and tags.
namespace PluginDetailText {
[[nodiscard]] QString text(const PluginGroup& group, const PluginRecord& record);
// The same as one JSON object; sizes in bytes, dates ISO 8601 in UTC.
[[nodiscard]] QString json(const PluginGroup& group, const PluginRecord& record);
} // namespace PluginDetailText
