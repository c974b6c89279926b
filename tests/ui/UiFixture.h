#pragma once

#include "UiCatalog.h"

#include "model/CatalogStore.h"

#include <QObject>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <vector>

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
                                        const QString& architecture = QStringLiteral("Apple Silicon"))
    {
        return store ? UiCatalog::addRecord(*store, name, publisher, formats, architecture) : nullptr;
    }
    Q_INVOKABLE PluginInstall* addInstall(CatalogStore* store, PluginRecord* record, const QString& format,
                                          const QString& architecture, bool found)
    {
        return store && record ? UiCatalog::addInstall(*store, record, format, architecture, found) : nullptr;
    }
    Q_INVOKABLE void addBookmark(CatalogStore* store, const QString& path)
    {
        if (store)
            UiCatalog::addBookmark(*store, path);
    }
    Q_INVOKABLE void addContentFolder(CatalogStore* store, const QString& path)
    {
        if (store)
            UiCatalog::addContentFolder(*store, path);
    }
    Q_INVOKABLE void addContentItem(CatalogStore* store, const QString& rootPath, const QString& path,
                                    const QString& name, const QString& publisher, qint64 bytes)
    {
        if (store)
            UiCatalog::addContentItem(*store, rootPath, path, name, publisher, bytes);
    }
    Q_INVOKABLE QStringList scanBookmarkPaths(CatalogStore* store) const
    {
        return store ? UiCatalog::propertyTexts(store->scanBookmarks(), "path") : QStringList();
    }
    // The bookmark data of each grant of the path, as text.
    Q_INVOKABLE QStringList bookmarkData(CatalogStore* store, const QString& path) const
    {
        return store ? UiCatalog::propertyTexts(store->scanBookmarksWithPath(path), "bookmarkData") : QStringList();
    }
    Q_INVOKABLE QStringList contentFolderPaths(CatalogStore* store) const
    {
        return store ? UiCatalog::propertyTexts(store->contentFolders(), "path") : QStringList();
    }
    Q_INVOKABLE QStringList contentItemPaths(CatalogStore* store) const
    {
        return store ? UiCatalog::propertyTexts(store->contentItems(), "path") : QStringList();
    }
    // A new empty folder with the given sub-folders; its path.
    Q_INVOKABLE QString newFolder(const QStringList& subfolders = {});
    // A refresh driver over the store whose system root is `root` and whose home is root/home,
    // alive until the fixture goes.
    Q_INVOKABLE PluginStore* newPluginStore(CatalogStore* store, const QString& root);
    // Names of every Tag record in the store, in store order.
    Q_INVOKABLE QStringList storedTagNames(CatalogStore* store) const
    {
        return store ? UiCatalog::propertyTexts(store->tags(), "name") : QStringList();
    }
    // The window's accessibility tree as an assistive tool reads it (the bridge switched on),
    // depth first over what is shown: one line per named node, "Role: name" (plus
    // " | description" when there is one).
    // `includeHidden` walks hidden parts too (closed menus and sheets), as a bridge that caches
    // the whole tree does.
    Q_INVOKABLE QStringList accessibleTree(QObject* window, bool includeHidden = false) const;
    // Runs the default action of the first node named `name`, as a screen reader's "press"
    // does; false when no node has that name or it has no action.
    Q_INVOKABLE bool pressAccessible(QObject* window, const QString& name) const;
    // Switches the accessibility bridge on, as a screen reader or QT_LINUX_ACCESSIBILITY_ALWAYS_ON
    // does; it stays on for the rest of the run.
    Q_INVOKABLE static void activateAccessibility();
    // Creates the standard plug-in folders of the application's own roots (system and home),
    // as a first launch finds them; their paths. removeAppStandardFolders() takes them away.
    Q_INVOKABLE QStringList makeAppStandardFolders();
    Q_INVOKABLE void removeAppStandardFolders();
    // A plug-in bundle named after its last component (e.g. ".../Reverb.vst3"); false on failure.
    Q_INVOKABLE bool addBundle(const QString& path);
    // A link to itself at `path`: a folder no one can list, root included.
    Q_INVOKABLE bool addLinkLoop(const QString& path);
    // From now on FileRevealer only records what it would show, in revealedPaths(); no file
    // manager starts.
    Q_INVOKABLE void recordReveals();
    Q_INVOKABLE QStringList revealedPaths() const { return m_revealedPaths; }

private:
    QTemporaryDir m_folder;
    std::vector<std::unique_ptr<CatalogStore>> m_stores;
    // After the stores: destroyed before them.
    std::vector<std::unique_ptr<PluginStore>> m_pluginStores;
    int m_folderCount = 0;
    QStringList m_revealedPaths;
};
