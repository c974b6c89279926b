#include "store/PublisherForms.h"

#include "store/CanonicalNames.h"
#include "store/PublisherTable.h"

const PublisherForms::Forms& PublisherForms::of(const QString& publisher) {
    auto found = m_forms.find(publisher);
    if (found == m_forms.end())
        found = m_forms.insert(publisher, {displayPublisher(publisher), knownPublisherDisplayName(publisher),
                                           ::recordKey(QString(), publisher).publisher});
    return *found;
}

RecordKey PublisherForms::recordKey(const QString& name, const QString& publisher) {
    // The name half of the key does not depend on the publisher.
    return {::recordKey(name, QString()).name, of(publisher).recordKeyPublisher};
}
