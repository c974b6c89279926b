#pragma once

#include "model/PluginFormat.h"

#include <QString>
#include <QVariantMap>

// Bytes of the found installs of one format.
struct FormatUsage {
    PluginFormat format = PluginFormat::au;
    qint64 totalBytes = 0;

    bool operator==(const FormatUsage&) const = default;

    // The format as its raw value ("VST3").
    [[nodiscard]] QVariantMap toVariantMap() const
    {
        return {{QStringLiteral("format"), rawValue(format)}, {QStringLiteral("totalBytes"), totalBytes}};
    }
};
