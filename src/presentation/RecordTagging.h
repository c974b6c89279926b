#pragma once

#include <QString>

class PluginRecord;

// The tag rules of a plug-in's detail, shared by the desktop card and the command line. Tags are
// shared records of the catalogue: a name is stored once and outlives its last use. Nothing here
// saves; that is the caller's business.
namespace RecordTagging {

// Lower-cased, then spaces and tabs trimmed from both ends (line breaks stay).
[[nodiscard]] QString tagName(const QString& text);
// Nothing for an empty name or one the record has; reuses the catalogue's tag of that name.
// True when a tag was added. A record outside a catalogue gets no tags.
bool addTag(PluginRecord* record, const QString& text);
// Removes every tag of the record with exactly this name; the tags stay in the catalogue.
// True when the record had one.
bool removeTag(PluginRecord* record, const QString& name);

} // namespace RecordTagging
