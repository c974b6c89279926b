#pragma once

#include <QString>

#include <optional>

// The display name of the known-publisher row that the text's publisher key belongs to, or
// nothing when the key is in no row. Unlike displayPublisher, this tells a display name that is
// its own display form ("Valhalla DSP") from an unknown publisher left unchanged.
[[nodiscard]] std::optional<QString> knownPublisherDisplayName(const QString& text);
