#pragma once

#include <QString>
#include <QVariantMap>

// Bytes on disk attributed to one publisher text, exactly as stored.
struct PublisherUsage {
    QString publisher;
    qint64 totalBytes = 0;

    bool operator==(const PublisherUsage&) const = default;

    [[nodiscard]] QVariantMap toVariantMap() const
    {
        return {{QStringLiteral("publisher"), publisher}, {QStringLiteral("totalBytes"), totalBytes}};
    }
};
