#include "store/PublisherTable.h"

#include "store/CanonicalNames.h"

std::optional<QString> knownPublisherDisplayName(const QString& text) {
    // The key ignores everything from the first "(" on, so the probe keys like the text itself,
    // yet no display name can equal it: displayPublisher returns it unchanged exactly when the
    // key is unknown.
    const QString probe = text + u'(';
    QString display = displayPublisher(probe);
    if (display == probe)
        return std::nullopt;
    return display;
}
