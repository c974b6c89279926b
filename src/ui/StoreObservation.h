#pragma once

#include "model/CatalogStore.h"

#include <QPointer>

// The views' controllers follow one catalogue at a time, set from QML.
namespace StoreObservation {

// Points `observer` at `store`, dropping every connection it had to the catalogue it followed.
// False, with nothing changed, when it already follows `store`; the caller then connects anew.
inline bool follow(QObject* observer, QPointer<CatalogStore>& current, CatalogStore* store)
{
    if (current == store)
        return false;
    if (current)
        QObject::disconnect(current, nullptr, observer, nullptr);
    current = store;
    return true;
}

} // namespace StoreObservation
