#pragma once

#include "descriptions/PluginDescriptionService.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <optional>

// A small catalogue whose entries name their own key in the description, so a lookup's result
// says which key it came from.
inline QByteArray catalogJson(const QStringList& keys)
{
    QJsonObject catalog;
    for (const QString& key : keys)
        catalog.insert(key, QJsonObject{{"category", "Effect"}, {"description", key}});
    return QJsonDocument(catalog).toJson(QJsonDocument::Compact);
}

inline PluginDescriptionService catalogOf(const QStringList& keys)
{
    return PluginDescriptionService::fromBytes(catalogJson(keys), {});
}

inline std::optional<QString> foundKey(const PluginDescriptionService& service, const QString& name,
                                       const std::optional<QString>& publisher = std::nullopt)
{
    const auto entry = service.lookup(name, publisher);
    if (!entry)
        return std::nullopt;
    return entry->description;
}
