#pragma once

#include "model/PluginFormat.h"

#include <QString>
#include <QStringView>

#include <optional>

// The bundle extension of each plug-in format and back; extensions compare in lower case.
namespace BundleExtension {

[[nodiscard]] QString forFormat(PluginFormat format);
[[nodiscard]] std::optional<PluginFormat> formatFor(QStringView extension);

// The text after the last "." of a file name, empty when there is none or the only "."
// leads the name (".vst3" has no extension).
[[nodiscard]] QStringView extensionOf(QStringView fileName);
[[nodiscard]] QStringView removingExtension(QStringView fileName);

// formatFor(extensionOf(name)) on a raw file-system name, without building a QString.
[[nodiscard]] std::optional<PluginFormat> formatOfName(const char* name);

} // namespace BundleExtension
