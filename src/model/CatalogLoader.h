#pragma once

#include "model/StoreResult.h"

#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

class ContentLibraryFolder;
class ContentLibraryItem;
class PluginInstall;
class PluginParameter;
class PluginRecord;
class ScanBookmark;
class Tag;

// Everything a catalogue file holds, as unowned objects with their relationships wired.
struct CatalogContents {
    QList<PluginRecord*> records;
    QList<PluginInstall*> installs;
    QList<PluginParameter*> parameters;
    QList<Tag*> tags;
    QList<ScanBookmark*> scanBookmarks;
    QList<ContentLibraryFolder*> contentFolders;
    QList<ContentLibraryItem*> contentItems;
    // Above every id in the file.
    qint64 nextId = 1;

    void deleteAll();
};

// Reads a whole catalogue. A stored enumeration text that is no raw value is an error, never a
// default: the file is then not read at all.
class CatalogLoader {
public:
    CatalogLoader(const QSqlDatabase& database, const QString& path) : m_database(database), m_path(path) {}

    [[nodiscard]] StoreResult load(CatalogContents& contents);

private:
    [[nodiscard]] bool select(const char* table, const QString& order, QSqlQuery& query);
    [[nodiscard]] bool loadRecords(CatalogContents& contents);
    [[nodiscard]] bool loadInstalls(CatalogContents& contents);
    [[nodiscard]] bool loadParameters(CatalogContents& contents);
    [[nodiscard]] bool loadTags(CatalogContents& contents);
    [[nodiscard]] bool loadBookmarks(CatalogContents& contents);
    [[nodiscard]] bool loadContentFolders(CatalogContents& contents);
    [[nodiscard]] bool loadContentItems(CatalogContents& contents);
    [[nodiscard]] bool loadMetadata(CatalogContents& contents);
    [[nodiscard]] bool queryFailed(const QSqlQuery& query);
    template <typename E> [[nodiscard]] bool decode(const QVariant& value, const char* field, E& out);

    QSqlDatabase m_database;
    QString m_path;
    QString m_error;
    qint64 m_maxId = 0;
    qint64 m_maxSequence = 0;
};
