#pragma once

#include "model/CatalogObject.h"
#include "model/ContentLibraryFolder.h"
#include "model/ContentLibraryItem.h"
#include "model/PluginInstall.h"
#include "model/PluginParameter.h"
#include "model/PluginRecord.h"
#include "model/ScanBookmark.h"
#include "model/StoreResult.h"
#include "model/Tag.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <type_traits>

class CatalogConnection;
struct CatalogContents;

// The catalogue: one SQLite file, held wholly in memory once opened, used from the
// user-interface thread only. Objects inserted here belong to the store (their QObject parent):
// never delete one directly; remove() it, and it is destroyed at the next event-loop turn.
//
// Changes are written by save(), in one transaction. Edits never saved explicitly are written
// by the store itself about a second after the last edit (two at most while edits keep coming)
// and when the store is destroyed. The per-type signals report changes of the set of objects
// of that type; several changes in one event-loop turn are reported once.
class CatalogStore : public QObject {
    Q_OBJECT

public:
    // Opens the catalogue at path, creating it when the file is missing or empty. Refuses (and
    // leaves untouched) a file that is no catalogue or whose schema is newer than this
    // program's. On failure returns nullptr and a description a user can read.
    [[nodiscard]] static std::unique_ptr<CatalogStore> open(const QString& path, QString* errorDescription);
    // The application's catalogue in the user's data folder, which is created when missing.
    [[nodiscard]] static std::unique_ptr<CatalogStore> openDefault(QString* errorDescription);
    [[nodiscard]] static QString defaultPath();
    [[nodiscard]] static QString schemaVersion();

    // Writes what is pending; a failure here has nobody left to tell.
    ~CatalogStore() override;

    [[nodiscard]] QString path() const { return m_path; }

    // Every object of a type, in insertion order (loaded objects first, by id).
    [[nodiscard]] QList<PluginRecord*> records() const { return m_records; }
    [[nodiscard]] QList<PluginInstall*> installs() const { return m_installs; }
    [[nodiscard]] QList<PluginParameter*> parameters() const { return m_parameters; }
    [[nodiscard]] QList<Tag*> tags() const { return m_tags; }
    [[nodiscard]] QList<ScanBookmark*> scanBookmarks() const { return m_scanBookmarks; }
    [[nodiscard]] QList<ContentLibraryFolder*> contentFolders() const { return m_contentFolders; }
    [[nodiscard]] QList<ContentLibraryItem*> contentItems() const { return m_contentItems; }
    template <typename T> [[nodiscard]] QList<T*> all() const;

    // The objects of type T whose text property `field` equals value exactly, optionally sorted
    // ascending by the named properties (the first that differs decides).
    template <typename T>
    [[nodiscard]] QList<T*> fetch(const char* field, const QString& value, const QList<QByteArray>& sortFields = {}) const;
    [[nodiscard]] QList<ScanBookmark*> scanBookmarksWithPath(const QString& path) const;
    [[nodiscard]] QList<ContentLibraryFolder*> contentFoldersWithPath(const QString& path) const;
    [[nodiscard]] QList<ContentLibraryItem*> contentItemsWithRootPath(const QString& rootPath) const;

    // Registers a new object (and the objects related to it), visible at once to the fetches
    // above; written by the next save. Returns the object for convenience.
    template <typename T> T* insert(T* object)
    {
        insertObject(object);
        return object;
    }
    // Removes the object, applying the delete rules: a record's installs and an install's
    // parameters go with it; tags and records only drop their links to it.
    void remove(CatalogObject* object);
    [[nodiscard]] bool contains(const CatalogObject* object) const { return object && object->store() == this; }

    [[nodiscard]] bool hasChanges() const;
    // Writes every pending change in one transaction. On failure nothing is written, the
    // changes stay pending for a later save, and the result describes the cause.
    [[nodiscard]] StoreResult save();

    void setAutosaveEnabled(bool enabled);
    [[nodiscard]] bool autosaveEnabled() const { return m_autosaveEnabled; }
    // How long a save waits for another process's lock before failing (default 5 s).
    void setBusyTimeout(int milliseconds);

Q_SIGNALS:
    void recordsChanged();
    void installsChanged();
    void parametersChanged();
    void tagsChanged();
    void scanBookmarksChanged();
    void contentFoldersChanged();
    void contentItemsChanged();
    // Some field or relationship of some object changed (once per event-loop turn).
    void edited();
    void autosaveFailed(const QString& errorDescription);

private:
    friend class CatalogObject;
    friend class PluginRecord;

    explicit CatalogStore(const QString& path);

    void adopt(CatalogContents& contents);

    void insertObject(CatalogObject* object);
    void detachRelations(CatalogObject* object);
    void objectChanged(CatalogObject* object);
    void recordLinksChanged(PluginRecord* record);
    void setChanged(CatalogObject::Kind kind);
    void noteEdit();
    void emitPendingSignals();
    void quietPeriodEnded();
    void autosave();

    static bool lessByFields(const QObject* a, const QObject* b, const QList<QByteArray>& fields);

    QString m_path;
    std::unique_ptr<CatalogConnection> m_connection;
    bool m_reconnectBeforeSave = false;
    int m_busyTimeout = 5000;
    qint64 m_nextId = 1;

    QList<PluginRecord*> m_records;
    QList<PluginInstall*> m_installs;
    QList<PluginParameter*> m_parameters;
    QList<Tag*> m_tags;
    QList<ScanBookmark*> m_scanBookmarks;
    QList<ContentLibraryFolder*> m_contentFolders;
    QList<ContentLibraryItem*> m_contentItems;

    // Objects whose row must be inserted (not yet persisted) or updated.
    QSet<CatalogObject*> m_dirty;
    QSet<PluginRecord*> m_dirtyLinks;
    QList<std::pair<CatalogObject::Kind, qint64>> m_deleted;

    int m_pendingSignals = 0;
    bool m_signalsPosted = false;
    bool m_autosaveEnabled = true;
    QTimer m_quietTimer;
    QElapsedTimer m_sinceLastEdit;
    QTimer m_deadlineTimer;
};

template <typename T> QList<T*> CatalogStore::all() const
{
    if constexpr (std::is_same_v<T, PluginRecord>)
        return m_records;
    else if constexpr (std::is_same_v<T, PluginInstall>)
        return m_installs;
    else if constexpr (std::is_same_v<T, PluginParameter>)
        return m_parameters;
    else if constexpr (std::is_same_v<T, Tag>)
        return m_tags;
    else if constexpr (std::is_same_v<T, ScanBookmark>)
        return m_scanBookmarks;
    else if constexpr (std::is_same_v<T, ContentLibraryFolder>)
        return m_contentFolders;
    else {
        static_assert(std::is_same_v<T, ContentLibraryItem>, "not a catalogue record type");
        return m_contentItems;
    }
}

template <typename T>
QList<T*> CatalogStore::fetch(const char* field, const QString& value, const QList<QByteArray>& sortFields) const
{
    QList<T*> result;
    for (T* object : all<T>())
        if (object->property(field).toString() == value)
            result.append(object);
    if (!sortFields.isEmpty())
        std::stable_sort(result.begin(), result.end(),
                         [&](const T* a, const T* b) { return lessByFields(a, b, sortFields); });
    return result;
}
