#pragma once

#include <QString>
#include <QVariantMap>

// Bytes of one content library found inside a content root.
struct ContentUsage {
    QString path;
    QString name;
    QString publisher;
    qint64 totalBytes = 0;

    bool operator==(const ContentUsage&) const = default;

    [[nodiscard]] QVariantMap toVariantMap() const
    {
        return {{QStringLiteral("path"), path},
                {QStringLiteral("name"), name},
                {QStringLiteral("publisher"), publisher},
                {QStringLiteral("totalBytes"), totalBytes}};
    }
};
