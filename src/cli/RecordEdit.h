#pragma once

#include "cli/CommandContext.h"

#include <QString>

#include <functional>

class PluginRecord;

// What favorite, note, tag and untag share: open the catalogue, find the plug-in NAME as the
// library lists it, change its record as the card would, and save the change at once.
namespace RecordEdit {

// Changes the record and returns the line to print; `shownName` is the name the library shows.
using Edit = std::function<QString(PluginRecord& record, const QString& shownName)>;

// The exit status; an unknown or ambiguous NAME, or a failed save, is an error on standard error.
[[nodiscard]] int run(const CommandContext& context, const QString& name, const Edit& edit);

} // namespace RecordEdit
