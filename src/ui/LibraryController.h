#pragma once

#include "model/CatalogStore.h"
#include "presentation/FilterState.h"
#include "presentation/LibraryViewModel.h"
#include "store/PluginStore.h"
#include "ui/ExportFlow.h"
#include "ui/LibraryListModel.h"
#include "ui/RefreshBatch.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QQmlParserStatus>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

// The state behind the library view: the records it lists (sorted by name), when the list is
// rebuilt, the delayed search, the chips, the counts and texts, and which content shows.
class LibraryController : public QObject, public QQmlParserStatus {
    Q_OBJECT
    QML_ELEMENT
    Q_INTERFACES(QQmlParserStatus)
    Q_PROPERTY(CatalogStore* store READ store WRITE setStore NOTIFY storeChanged)
    Q_PROPERTY(PluginStore* pluginStore READ pluginStore WRITE setPluginStore NOTIFY pluginStoreChanged)
    Q_PROPERTY(LibraryViewModel* viewModel READ viewModel CONSTANT)
    Q_PROPERTY(FilterState* filterState READ filterState CONSTANT)
    Q_PROPERTY(LibraryListModel* listModel READ listModel CONSTANT)
    Q_PROPERTY(ExportFlow* exportFlow READ exportFlow CONSTANT)
    Q_PROPERTY(QString pluginCountText READ pluginCountText NOTIFY listChanged)
    Q_PROPERTY(int activeFilterCount READ activeFilterCount NOTIFY filterStateChanged)
    Q_PROPERTY(QString filtersButtonText READ filtersButtonText NOTIFY filterStateChanged)
    Q_PROPERTY(bool hasActiveFilters READ hasActiveFilters NOTIFY filterStateChanged)
    Q_PROPERTY(QStringList chipTitles READ chipTitles CONSTANT)
    Q_PROPERTY(QStringList selectedChips READ selectedChips NOTIFY filterStateChanged)
    // "list", "noPlugins" or "noMatches".
    Q_PROPERTY(QString contentState READ contentStateText NOTIFY contentStateChanged)
    Q_PROPERTY(bool isScanning READ isScanning NOTIFY isScanningChanged)
    Q_PROPERTY(bool hasScanBookmarks READ hasScanBookmarks NOTIFY hasScanBookmarksChanged)
    Q_PROPERTY(int recordCount READ recordCount NOTIFY listChanged)
    Q_PROPERTY(QList<Tag*> tags READ tags NOTIFY tagsChanged)
    Q_PROPERTY(int searchDelay READ searchDelay CONSTANT)
    Q_PROPERTY(bool isSearchPending READ isSearchPending NOTIFY isSearchPendingChanged)
    Q_PROPERTY(int rebuildCount READ rebuildCount NOTIFY listChanged)

public:
    enum class ContentState { list, noPlugins, noMatches };

    explicit LibraryController(QObject* parent = nullptr);
    ~LibraryController() override;

    [[nodiscard]] CatalogStore* store() const { return m_store; }
    void setStore(CatalogStore* store);
    [[nodiscard]] PluginStore* pluginStore() const { return m_pluginStore; }
    void setPluginStore(PluginStore* pluginStore);

    [[nodiscard]] LibraryViewModel* viewModel() const { return m_viewModel; }
    [[nodiscard]] FilterState* filterState() const;
    [[nodiscard]] LibraryListModel* listModel() const { return m_listModel; }
    [[nodiscard]] ExportFlow* exportFlow() const { return m_exportFlow; }

    [[nodiscard]] QString pluginCountText() const;
    [[nodiscard]] int activeFilterCount() const;
    [[nodiscard]] QString filtersButtonText() const;
    [[nodiscard]] bool hasActiveFilters() const;
    [[nodiscard]] QStringList chipTitles() const;
    [[nodiscard]] QStringList selectedChips() const;
    [[nodiscard]] ContentState contentState() const { return m_contentState; }
    [[nodiscard]] QString contentStateText() const;
    [[nodiscard]] bool isScanning() const;
    [[nodiscard]] bool hasScanBookmarks() const;
    // Every record of the store, sorted by name.
    [[nodiscard]] int recordCount() const { return int(m_allGroups.size()); }
    [[nodiscard]] QList<Tag*> tags() const;
    [[nodiscard]] static int searchDelay() { return 150; }
    [[nodiscard]] bool isSearchPending() const { return m_searchTimer.isActive(); }
    [[nodiscard]] int rebuildCount() const { return m_rebuildCount; }

    // Hands text on to the filter once no other edit followed it for searchDelay milliseconds.
    Q_INVOKABLE void editSearch(const QString& text);
    [[nodiscard]] Q_INVOKABLE static QString chipSymbol(const QString& title);
    Q_INVOKABLE void activateChip(const QString& title);
    Q_INVOKABLE void refresh();
    // Recomputes the list from every record and the current filter.
    Q_INVOKABLE void rebuild();

    void classBegin() override {}
    void componentComplete() override;

Q_SIGNALS:
    void storeChanged();
    void pluginStoreChanged();
    void listChanged();
    void filterStateChanged();
    void contentStateChanged();
    void isScanningChanged();
    void hasScanBookmarksChanged();
    void tagsChanged();
    void isSearchPendingChanged();

private:
    // Rebuilds when a record was added or removed or moved in the name order.
    void recordsMaybeChanged();
    // Whether a listed record left the catalogue; the list must then not wait for anything.
    [[nodiscard]] bool lostGroups() const;
    // The refresh is over and what it changed delivered: one rebuild shows all of it.
    void refreshEnded(bool changed);
    // Re-reads the records; true when the list of them, by name, changed.
    bool syncRecords();
    // Shows the view model's sections; without a catalogue change only after filtering again.
    void relist(bool catalogueChanged);
    void updateContentState();
    void commitSearch();

    QPointer<CatalogStore> m_store;
    QPointer<PluginStore> m_pluginStore;
    LibraryViewModel* m_viewModel;
    LibraryListModel* m_listModel;
    ExportFlow* m_exportFlow;
    RefreshBatch* m_refreshBatch;
    QList<PluginRecord*> m_allGroups;
    QHash<PluginRecord*, QString> m_sortedNames;
    QHash<QString, QDateTime> m_latestByPublisher;
    // Some object changed since the last rebuild, so the groups may be out of date.
    bool m_catalogueEdited = false;
    ContentState m_contentState = ContentState::noPlugins;
    QTimer m_searchTimer;
    QString m_pendingSearch;
    int m_rebuildCount = 0;
    bool m_complete = false;
};
