#pragma once

#include "model/PluginRecord.h"

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

// Adding and removing a record's tags from its detail view, by the rules of RecordTagging.
// Saving is left to the store.
class TagActions : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    explicit TagActions(QObject* parent = nullptr);

    // Lower-cased, then spaces and tabs trimmed from both ends (line breaks stay).
    [[nodiscard]] Q_INVOKABLE static QString tagName(const QString& text);
    // Nothing for an empty name or one the record has; reuses the catalogue's tag of that name.
    // True when a tag was added. The caller clears its field either way. A record outside a
    // catalogue gets no tags.
    Q_INVOKABLE static bool addTag(PluginRecord* record, const QString& text);
    // Every tag of the record with exactly this name; the tags stay in the catalogue.
    Q_INVOKABLE static void removeTag(PluginRecord* record, const QString& name);
};
