#pragma once

#include <QObject>

class CatalogStore;

// Base of the persistent record types. Identity is the object itself: two pointers are equal
// exactly when they name the same object. `id` is the persistent identity, assigned when the
// object is inserted into a store (0 before), unique across all types of that catalogue and
// never reused.
class CatalogObject : public QObject {
    Q_OBJECT
    Q_PROPERTY(qint64 id READ id CONSTANT)

public:
    enum class Kind { record, install, parameter, tag, scanBookmark, contentFolder, contentItem };

    [[nodiscard]] qint64 id() const { return m_id; }
    // The store that holds the object; nullptr before insertion.
    [[nodiscard]] CatalogStore* store() const { return m_store; }
    // True once removed from its store; a removed object is destroyed at the next event-loop turn.
    [[nodiscard]] bool isDeleted() const { return m_deleted; }
    [[nodiscard]] virtual Kind kind() const = 0;

protected:
    CatalogObject() = default;

    // Tells the store that a stored column of this object changed.
    void markChanged();
    // Makes sure both ends of a new relationship live in the same store; false when they
    // belong to two different stores, which cannot be related.
    [[nodiscard]] bool joinStores(CatalogObject* other);

    // Assigns a field and notifies only when the value really differs.
    template <typename Derived, typename T> bool assign(T& member, const T& value, void (Derived::*signal)())
    {
        if (member == value)
            return false;
        member = value;
        markChanged();
        Q_EMIT(static_cast<Derived*>(this)->*signal)();
        return true;
    }

    // Orders the members of to-many relationships by when they joined; persisted, so the
    // order survives a reopen. Monotonic in the process, raised above every loaded value.
    static qint64 nextSequence();
    static void raiseSequence(qint64 atLeast);

private:
    friend class CatalogStore;
    friend class CatalogLoader;

    qint64 m_id = 0;
    CatalogStore* m_store = nullptr;
    bool m_persisted = false;
    bool m_deleted = false;
};
