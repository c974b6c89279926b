#pragma once

#include "discovery/PluginScanner.h"
#include "discovery/ScanRoots.h"
#include "model/CatalogStore.h"
#include "store/PluginStore.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

#include <memory>
#include <optional>

// What the folder-access sheet does with the catalogue: plug-in grants (one per path, stored as
// the folder's bookmark) and content roots, each change saved at once, failures silent. The sheet
// asks the user for folders; everything after the choice happens here.
class FolderAccessController : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(CatalogStore* store READ store WRITE setStore NOTIFY storeChanged)
    // Where the standard locations and the home folder are; the application's roots without it.
    Q_PROPERTY(PluginStore* pluginStore READ pluginStore WRITE setPluginStore NOTIFY rootsChanged)
    Q_PROPERTY(QStringList grantedPaths READ grantedPaths NOTIFY grantsChanged)
    // The standard locations that exist: {path, explanation, granted}.
    Q_PROPERTY(QVariantList standardLocations READ standardLocations NOTIFY grantsChanged)
    Q_PROPERTY(QStringList additionalScanFolders READ additionalScanFolders NOTIFY grantsChanged)
    // Every content root by name: {path, name, publisher, sizeText, missing}; sizeText is empty
    // below one byte.
    Q_PROPERTY(QVariantList contentLibraries READ contentLibraries NOTIFY contentLibrariesChanged)
    // The suggested roots that exist and are not content roots yet: {path, label}.
    Q_PROPERTY(QVariantList suggestedRoots READ suggestedRoots NOTIFY contentLibrariesChanged)
    Q_PROPERTY(QString homePath READ homePath NOTIFY rootsChanged)

public:
    struct SuggestedRoot {
        QString path;
        QString label;
    };

    explicit FolderAccessController(QObject* parent = nullptr);
    ~FolderAccessController() override;

    [[nodiscard]] CatalogStore* store() const { return m_store; }
    void setStore(CatalogStore* store);
    [[nodiscard]] PluginStore* pluginStore() const { return m_pluginStore; }
    void setPluginStore(PluginStore* pluginStore);
    // Overrides the plug-in store's roots.
    void setRoots(const ScanRoots& roots);
    [[nodiscard]] ScanRoots roots() const;

    [[nodiscard]] QStringList grantedPaths() const;
    [[nodiscard]] QVariantList standardLocations() const;
    [[nodiscard]] QStringList additionalScanFolders() const;
    [[nodiscard]] QVariantList contentLibraries() const { return m_contentLibraries; }
    [[nodiscard]] QVariantList suggestedRoots() const;
    [[nodiscard]] QList<SuggestedRoot> suggestedContentRoots() const;
    [[nodiscard]] QString homePath() const { return roots().home; }

    // Re-reads the grants, deleting those of sandbox containers' own plug-in folders.
    Q_INVOKABLE void loadGrants();
    // Grants exactly the location's own folder: there is no sandbox to ask, so no chooser.
    Q_INVOKABLE void grantStandardLocation(const QString& path);
    // Every standard location that exists and is not granted yet, saved together.
    Q_INVOKABLE void grantAllStandardLocations();
    Q_INVOKABLE void addScanFolders(const QList<QUrl>& chosen);
    Q_INVOKABLE void removeGrant(const QString& path);
    Q_INVOKABLE void addContentFolders(const QList<QUrl>& chosen);
    Q_INVOKABLE void addSuggestedRoot(const QUrl& chosen);
    // Its measured libraries go with it.
    Q_INVOKABLE void removeContentFolder(const QString& path);
    // The sheet closes; only its "Done" button completes it.
    Q_INVOKABLE void finish(bool done);
    [[nodiscard]] Q_INVOKABLE static QUrl folderUrl(const QString& path);

    void saveScanBookmark(const QString& path, const QByteArray& data);
    void saveContentFolder(const QString& path, const QByteArray& data);
    // No value for a choice that names no local folder.
    [[nodiscard]] static std::optional<QByteArray> bookmarkFor(const QUrl& chosen);

Q_SIGNALS:
    void storeChanged();
    void rootsChanged();
    void grantsChanged();
    void contentLibrariesChanged();
    void completed();

private:
    [[nodiscard]] const PluginScanner& scanner() const;
    // The grant of a folder, into the catalogue without saving; false when it cannot be made.
    bool stageScanBookmark(const QString& path);
    void updateContentLibraries();
    void save();

    QPointer<CatalogStore> m_store;
    QPointer<PluginStore> m_pluginStore;
    std::optional<ScanRoots> m_roots;
    // Answers for the roots when no plug-in store does.
    mutable std::unique_ptr<PluginScanner> m_ownScanner;
    QSet<QString> m_grantedPaths;
    QVariantList m_contentLibraries;
};
