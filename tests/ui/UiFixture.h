#pragma once

#include "model/CatalogStore.h"

#include <QObject>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <vector>

class PluginInstall;
class PluginRecord;
class PluginStore;

// What the Quick tests need from C++: fresh catalogues and records in them. Registered as the
// singleton UiFixture of the module ZuzuzeVizozod.Testing.
class UiFixture : public QObject {
    Q_OBJECT

public:
    explicit UiFixture(QObject* parent = nullptr);
    ~UiFixture() override;

    // An empty catalogue in a temporary folder, alive until the fixture goes.
    Q_INVOKABLE CatalogStore* newStore();
    Q_INVOKABLE PluginRecord* addRecord(CatalogStore* store, const QString& name, const QString& publisher,
                                        const QStringList& formats,
                                        const QString& architecture = QStringLiteral("Apple Silicon"));
    Q_INVOKABLE PluginInstall* addInstall(CatalogStore* store, PluginRecord* record, const QString& format,
                                          const QString& architecture, bool found);
    Q_INVOKABLE void addBookmark(CatalogStore* store, const QString& path);
    Q_INVOKABLE void removeRecord(CatalogStore* store, PluginRecord* record);
    // Every install of the record takes this many bytes.
    Q_INVOKABLE void setFileSize(PluginRecord* record, qint64 bytes);
    Q_INVOKABLE void addContentFolder(CatalogStore* store, const QString& path);
    Q_INVOKABLE void addContentItem(CatalogStore* store, const QString& rootPath, const QString& path,
                                    const QString& name, const QString& publisher, qint64 bytes);
    Q_INVOKABLE QStringList scanBookmarkPaths(CatalogStore* store) const;
    // The bookmark data of each grant of the path, as text.
    Q_INVOKABLE QStringList bookmarkData(CatalogStore* store, const QString& path) const;
    Q_INVOKABLE QStringList contentFolderPaths(CatalogStore* store) const;
    Q_INVOKABLE QStringList contentItemPaths(CatalogStore* store) const;
    // A new empty folder with the given sub-folders; its path.
    Q_INVOKABLE QString newFolder(const QStringList& subfolders = {});
    // A refresh driver over the store whose system root is `root` and whose home is root/home,
    // alive until the fixture goes.
    Q_INVOKABLE PluginStore* newPluginStore(CatalogStore* store, const QString& root);
    // Names of every Tag record in the store, in store order.
    Q_INVOKABLE QStringList storedTagNames(CatalogStore* store) const;
    // The formats of a record's installs in its stored order.
    Q_INVOKABLE QStringList installFormats(PluginRecord* record) const;

private:
    QTemporaryDir m_folder;
    std::vector<std::unique_ptr<CatalogStore>> m_stores;
    // After the stores: destroyed before them.
    std::vector<std::unique_ptr<PluginStore>> m_pluginStores;
    int m_folderCount = 0;
};
