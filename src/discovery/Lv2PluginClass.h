#pragma once

#include <QString>
#include <QStringList>

// The plug-in classes of the LV2 core vocabulary, labelled in our own words: lilv names a
// class only when the core specification bundle is loaded, and we load bundles one by one.
namespace Lv2PluginClass {

// The label of the most specific core class among the given rdf:type URIs; empty when none is
// a core plug-in class other than lv2:Plugin itself.
[[nodiscard]] QString categoryOf(const QStringList& typeUris);

} // namespace Lv2PluginClass
