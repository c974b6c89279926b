#pragma once

#include "store/InstallKey.h"
#include "store/RecordKey.h"

#include <QString>

// Canonical spellings of publishers and plug-in names, so that one product met under several
// spellings is recognised as one.

// Lower-case letters and digits of the publisher, without a leading "the", company suffixes or
// anything after "(" or ",". May be empty.
[[nodiscard]] QString publisherKey(const QString& text);
// The known display spelling of the publisher, or the text unchanged.
[[nodiscard]] QString displayPublisher(const QString& text);
// The plug-in name without format, architecture and channel suffixes ("Reverb AU64" → "Reverb").
[[nodiscard]] QString cleanedPluginName(const QString& text);
[[nodiscard]] RecordKey recordKey(const QString& name, const QString& publisher);
