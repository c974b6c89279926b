#pragma once

#include <QString>

// What the shipped catalogue says about one plug-in.
struct PluginDescriptionEntry {
    QString category;
    QString description;

    friend bool operator==(const PluginDescriptionEntry&, const PluginDescriptionEntry&) = default;
};
