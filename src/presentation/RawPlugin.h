#pragma once

#include <QString>

// One found install flattened to texts, the input of grouping. `size` is either a plain byte
// count or a byte-count text with a unit; `archs` holds comma-separated architecture labels.
struct RawPlugin {
    QString name;
    QString publisher;
    QString version;
    QString type;
    QString archs;
    QString dated;
    QString installed;
    QString size;
    QString pluginID;
    QString path;

    bool operator==(const RawPlugin&) const = default;
};
