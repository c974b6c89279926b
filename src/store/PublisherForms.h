#pragma once

#include "store/RecordKey.h"

#include <QHash>
#include <QString>

#include <optional>

// The canonical forms of publisher texts, worked out once per distinct text: a scan repeats a
// few hundred makers over thousands of bundles. Results equal those of the free functions.
class PublisherForms {
public:
    struct Forms {
        QString display;                     // displayPublisher
        std::optional<QString> knownDisplay; // knownPublisherDisplayName
        QString recordKeyPublisher;          // recordKey(…, text).publisher
    };

    // Valid until the next call.
    [[nodiscard]] const Forms& of(const QString& publisher);
    [[nodiscard]] RecordKey recordKey(const QString& name, const QString& publisher);

private:
    QHash<QString, Forms> m_forms;
};
