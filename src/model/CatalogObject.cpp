#include "model/CatalogObject.h"

#include "model/CatalogStore.h"

#include <algorithm>

namespace {
// Only the user-interface thread touches catalogue objects, so a plain counter is enough.
qint64 sequenceCounter = 0;
} // namespace

void CatalogObject::markChanged()
{
    if (m_store && !m_deleted)
        m_store->objectChanged(this);
}

bool CatalogObject::joinStores(CatalogObject* other)
{
    if (m_deleted || other->m_deleted)
        return false;
    if (m_store && other->m_store)
        return m_store == other->m_store;
    if (m_store)
        m_store->insertObject(other);
    else if (other->m_store)
        other->m_store->insertObject(this);
    return true;
}

qint64 CatalogObject::nextSequence()
{
    return ++sequenceCounter;
}

void CatalogObject::raiseSequence(qint64 atLeast)
{
    sequenceCounter = std::max(sequenceCounter, atLeast);
}
