#include "model/CatalogStore.h"

#include "model/CatalogConnection.h"
#include "model/CatalogLoader.h"
#include "model/CatalogSchema.h"
#include "model/CatalogWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using Kind = CatalogObject::Kind;

namespace {

constexpr int quietMSecs = 1000;
constexpr int deadlineMSecs = 2000;
constexpr int retryMSecs = 3000;

int signalBit(Kind kind)
{
    return 1 << int(kind);
}
constexpr int editedBit = 1 << 8;

} // namespace

CatalogStore::CatalogStore(const QString& path)
    : m_path(path), m_connection(std::make_unique<CatalogConnection>(path))
{
    m_quietTimer.setSingleShot(true);
    m_quietTimer.setInterval(quietMSecs);
    m_deadlineTimer.setSingleShot(true);
    m_deadlineTimer.setInterval(deadlineMSecs);
    connect(&m_quietTimer, &QTimer::timeout, this, &CatalogStore::quietPeriodEnded);
    connect(&m_deadlineTimer, &QTimer::timeout, this, &CatalogStore::autosave);
}

CatalogStore::~CatalogStore()
{
    if (hasChanges())
        (void)save();
}

QString CatalogStore::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/catalog.sqlite");
}

QString CatalogStore::schemaVersion()
{
    return QLatin1StringView(CatalogSchema::version);
}

std::unique_ptr<CatalogStore> CatalogStore::openDefault(QString* errorDescription)
{
    const QString path = defaultPath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        if (errorDescription)
            *errorDescription =
                QStringLiteral("The folder \"%1\" cannot be created.").arg(QFileInfo(path).absolutePath());
        return nullptr;
    }
    return open(path, errorDescription);
}

std::unique_ptr<CatalogStore> CatalogStore::open(const QString& path, QString* errorDescription)
{
    std::unique_ptr<CatalogStore> store(new CatalogStore(path));
    StoreResult result = store->m_connection->open(store->m_busyTimeout);
    if (result)
        result = store->m_connection->prepare();
    CatalogContents contents;
    if (result)
        result = CatalogLoader(store->m_connection->database(), path).load(contents);
    if (!result) {
        if (errorDescription)
            *errorDescription = result.errorDescription();
        return nullptr;
    }
    store->adopt(contents);
    return store;
}

void CatalogStore::adopt(CatalogContents& contents)
{
    const auto take = [this](auto& from, auto& to) {
        to = from;
        for (CatalogObject* object : to) {
            object->m_store = this;
            object->m_persisted = true;
            object->setParent(this);
        }
    };
    take(contents.records, m_records);
    take(contents.installs, m_installs);
    take(contents.parameters, m_parameters);
    take(contents.tags, m_tags);
    take(contents.scanBookmarks, m_scanBookmarks);
    take(contents.contentFolders, m_contentFolders);
    take(contents.contentItems, m_contentItems);
    m_nextId = contents.nextId;
    contents = {};
}

QList<ScanBookmark*> CatalogStore::scanBookmarksWithPath(const QString& path) const
{
    return fetch<ScanBookmark>("path", path);
}

QList<ContentLibraryFolder*> CatalogStore::contentFoldersWithPath(const QString& path) const
{
    return fetch<ContentLibraryFolder>("path", path);
}

QList<ContentLibraryItem*> CatalogStore::contentItemsWithRootPath(const QString& rootPath) const
{
    return fetch<ContentLibraryItem>("rootPath", rootPath);
}

bool CatalogStore::lessByFields(const QObject* a, const QObject* b, const QList<QByteArray>& fields)
{
    for (const QByteArray& field : fields) {
        const QVariant left = a->property(field.constData());
        const QVariant right = b->property(field.constData());
        const QPartialOrdering order = QVariant::compare(left, right);
        if (order == QPartialOrdering::Less)
            return true;
        if (order == QPartialOrdering::Greater)
            return false;
    }
    return false;
}

void CatalogStore::insertObject(CatalogObject* object)
{
    if (!object || object->m_store || object->m_deleted)
        return;
    object->m_store = this;
    object->m_id = m_nextId++;
    object->setParent(this);
    m_dirty.insert(object);
    switch (object->kind()) {
    case Kind::record: {
        auto* record = static_cast<PluginRecord*>(object);
        m_records.append(record);
        if (!record->tags().isEmpty())
            m_dirtyLinks.insert(record);
        for (PluginInstall* install : record->installs())
            insertObject(install);
        for (Tag* tag : record->tags())
            insertObject(tag);
        break;
    }
    case Kind::install: {
        auto* install = static_cast<PluginInstall*>(object);
        m_installs.append(install);
        insertObject(install->group());
        for (PluginParameter* parameter : install->parameters())
            insertObject(parameter);
        break;
    }
    case Kind::parameter: {
        auto* parameter = static_cast<PluginParameter*>(object);
        m_parameters.append(parameter);
        insertObject(parameter->install());
        break;
    }
    case Kind::tag: {
        auto* tag = static_cast<Tag*>(object);
        m_tags.append(tag);
        for (PluginRecord* record : tag->groups())
            insertObject(record);
        break;
    }
    case Kind::scanBookmark:
        m_scanBookmarks.append(static_cast<ScanBookmark*>(object));
        break;
    case Kind::contentFolder:
        m_contentFolders.append(static_cast<ContentLibraryFolder*>(object));
        break;
    case Kind::contentItem:
        m_contentItems.append(static_cast<ContentLibraryItem*>(object));
        break;
    }
    setChanged(object->kind());
}

void CatalogStore::remove(CatalogObject* object)
{
    if (!contains(object) || object->m_deleted)
        return;
    object->m_deleted = true;
    detachRelations(object);
    switch (object->kind()) {
    case Kind::record:
        m_records.removeOne(static_cast<PluginRecord*>(object));
        m_dirtyLinks.remove(static_cast<PluginRecord*>(object));
        break;
    case Kind::install:
        m_installs.removeOne(static_cast<PluginInstall*>(object));
        break;
    case Kind::parameter:
        m_parameters.removeOne(static_cast<PluginParameter*>(object));
        break;
    case Kind::tag:
        m_tags.removeOne(static_cast<Tag*>(object));
        break;
    case Kind::scanBookmark:
        m_scanBookmarks.removeOne(static_cast<ScanBookmark*>(object));
        break;
    case Kind::contentFolder:
        m_contentFolders.removeOne(static_cast<ContentLibraryFolder*>(object));
        break;
    case Kind::contentItem:
        m_contentItems.removeOne(static_cast<ContentLibraryItem*>(object));
        break;
    }
    m_dirty.remove(object);
    if (object->m_persisted)
        m_deleted.append({object->kind(), object->id()});
    setChanged(object->kind());
    object->deleteLater();
}

// The delete rules: cascade to installs and parameters, nullify tag links.
void CatalogStore::detachRelations(CatalogObject* object)
{
    switch (object->kind()) {
    case Kind::record: {
        auto* record = static_cast<PluginRecord*>(object);
        for (PluginInstall* install : record->installs())
            remove(install);
        for (Tag* tag : record->tags())
            record->removeTag(tag);
        break;
    }
    case Kind::install: {
        auto* install = static_cast<PluginInstall*>(object);
        for (PluginParameter* parameter : install->parameters())
            remove(parameter);
        install->setGroup(nullptr);
        break;
    }
    case Kind::parameter:
        static_cast<PluginParameter*>(object)->setInstall(nullptr);
        break;
    case Kind::tag: {
        auto* tag = static_cast<Tag*>(object);
        for (PluginRecord* record : tag->groups())
            record->removeTag(tag);
        break;
    }
    default:
        break;
    }
}

void CatalogStore::objectChanged(CatalogObject* object)
{
    m_dirty.insert(object);
    noteEdit();
}

void CatalogStore::recordLinksChanged(PluginRecord* record)
{
    m_dirtyLinks.insert(record);
    noteEdit();
}

void CatalogStore::setChanged(Kind kind)
{
    m_pendingSignals |= signalBit(kind);
    noteEdit();
}

void CatalogStore::noteEdit()
{
    m_pendingSignals |= editedBit;
    if (!m_signalsPosted) {
        m_signalsPosted = true;
        QMetaObject::invokeMethod(this, &CatalogStore::emitPendingSignals, Qt::QueuedConnection);
    }
    if (m_autosaveEnabled) {
        // Restarting a timer on each of thousands of edits in a refresh costs; the quiet timer
        // instead checks on expiry whether the quiet period really passed.
        m_sinceLastEdit.start();
        if (!m_quietTimer.isActive())
            m_quietTimer.start(quietMSecs);
        if (!m_deadlineTimer.isActive())
            m_deadlineTimer.start(deadlineMSecs);
    }
}

void CatalogStore::quietPeriodEnded()
{
    const qint64 remaining = quietMSecs - m_sinceLastEdit.elapsed();
    if (remaining > 0)
        m_quietTimer.start(int(remaining));
    else
        autosave();
}

void CatalogStore::emitPendingSignals()
{
    const int pending = m_pendingSignals;
    m_pendingSignals = 0;
    m_signalsPosted = false;
    const auto fire = [pending](Kind kind) { return (pending & signalBit(kind)) != 0; };
    if (fire(Kind::record))
        Q_EMIT recordsChanged();
    if (fire(Kind::install))
        Q_EMIT installsChanged();
    if (fire(Kind::parameter))
        Q_EMIT parametersChanged();
    if (fire(Kind::tag))
        Q_EMIT tagsChanged();
    if (fire(Kind::scanBookmark))
        Q_EMIT scanBookmarksChanged();
    if (fire(Kind::contentFolder))
        Q_EMIT contentFoldersChanged();
    if (fire(Kind::contentItem))
        Q_EMIT contentItemsChanged();
    if (pending & editedBit)
        Q_EMIT edited();
}

bool CatalogStore::hasChanges() const
{
    return !m_dirty.isEmpty() || !m_dirtyLinks.isEmpty() || !m_deleted.isEmpty();
}

StoreResult CatalogStore::save()
{
    if (!hasChanges())
        return StoreResult::success();
    if (m_reconnectBeforeSave) {
        // The cause of the last failure may be gone (a read-only file made writable again),
        // but SQLite keeps the mode it opened the file with.
        if (StoreResult opened = m_connection->open(m_busyTimeout); !opened)
            return opened;
        m_reconnectBeforeSave = false;
    }
    CatalogChanges changes;
    for (CatalogObject* object : std::as_const(m_dirty))
        (object->m_persisted ? changes.updated : changes.inserted).append(object);
    changes.linkedRecords = QList<PluginRecord*>(m_dirtyLinks.cbegin(), m_dirtyLinks.cend());
    changes.deleted = m_deleted;
    changes.nextId = m_nextId;

    const StoreResult result =
        CatalogWriter(m_connection->database(), m_path).write(changes);
    if (!result) {
        m_reconnectBeforeSave = true;
        return result;
    }
    for (CatalogObject* object : std::as_const(changes.inserted))
        object->m_persisted = true;
    m_dirty.clear();
    m_dirtyLinks.clear();
    m_deleted.clear();
    m_quietTimer.stop();
    m_deadlineTimer.stop();
    return result;
}

void CatalogStore::autosave()
{
    m_quietTimer.stop();
    m_deadlineTimer.stop();
    const StoreResult result = save();
    if (!result) {
        m_deadlineTimer.start(retryMSecs);
        Q_EMIT autosaveFailed(result.errorDescription());
    }
}

void CatalogStore::setAutosaveEnabled(bool enabled)
{
    m_autosaveEnabled = enabled;
    if (!enabled) {
        m_quietTimer.stop();
        m_deadlineTimer.stop();
    } else if (hasChanges()) {
        m_sinceLastEdit.start();
        m_quietTimer.start(quietMSecs);
    }
}

void CatalogStore::setBusyTimeout(int milliseconds)
{
    m_busyTimeout = milliseconds;
    m_connection->setBusyTimeout(milliseconds);
}
