#include "ui/LibraryController.h"

#include "model/LocaleCompare.h"
#include "presentation/DashboardViewModel.h"
#include "presentation/LibraryRecordOrder.h"
#include "presentation/LibraryTexts.h"
#include "ui/ScopeChips.h"
#include "ui/StoreObservation.h"

#include <QSet>

#include <algorithm>

LibraryController::LibraryController(QObject* parent)
    : QObject(parent)
    , m_viewModel(new LibraryViewModel(this))
    , m_listModel(new LibraryListModel(this))
    , m_exportFlow(new ExportFlow(*m_viewModel, this))
    , m_refreshBatch(new RefreshBatch(this))
{
    connect(m_refreshBatch, &RefreshBatch::ended, this, &LibraryController::refreshEnded);
    m_searchTimer.setSingleShot(true);
    m_searchTimer.setTimerType(Qt::PreciseTimer);
    m_searchTimer.setInterval(searchDelay());
    connect(&m_searchTimer, &QTimer::timeout, this, &LibraryController::commitSearch);

    connect(filterState(), &FilterState::changed, this, [this] {
        Q_EMIT filterStateChanged();
        // Nothing in the catalogue moved since the last rebuild: the kept groups only need
        // filtering and sectioning again.
        if (m_catalogueEdited || m_rebuildCount == 0)
            rebuild();
        else
            relist(false);
    });
}

LibraryController::~LibraryController() = default;

FilterState* LibraryController::filterState() const
{
    return m_viewModel->filterState();
}

void LibraryController::setStore(CatalogStore* store)
{
    if (!StoreObservation::follow(this, m_store, store))
        return;
    if (m_store) {
        connect(m_store, &CatalogStore::recordsChanged, this, [this] {
            // A merge of duplicates in a refresh destroys records the list still shows.
            if (m_refreshBatch->isRunning() && lostGroups() && syncRecords() && m_complete)
                rebuild();
            else
                recordsMaybeChanged();
        });
        connect(m_store, &CatalogStore::installsChanged, this, [this] {
            m_catalogueEdited = true;
            static_cast<void>(m_refreshBatch->hold());
        });
        connect(m_store, &CatalogStore::edited, this, [this] {
            m_catalogueEdited = true;
            recordsMaybeChanged();
        });
        connect(m_store, &CatalogStore::tagsChanged, this, &LibraryController::tagsChanged);
        connect(m_store, &CatalogStore::scanBookmarksChanged, this, &LibraryController::hasScanBookmarksChanged);
    }
    m_allGroups.clear();
    m_sortedNames.clear();
    Q_EMIT storeChanged();
    Q_EMIT tagsChanged();
    Q_EMIT hasScanBookmarksChanged();
    if (m_complete)
        recordsMaybeChanged();
}

void LibraryController::setPluginStore(PluginStore* pluginStore)
{
    if (m_pluginStore == pluginStore)
        return;
    if (m_pluginStore)
        disconnect(m_pluginStore, nullptr, this, nullptr);
    m_pluginStore = pluginStore;
    m_refreshBatch->setPluginStore(pluginStore);
    if (m_pluginStore)
        connect(m_pluginStore, &PluginStore::isScanningChanged, this, [this] {
            Q_EMIT isScanningChanged();
            // A refresh that changed the catalogue has not been listed yet: refreshEnded() tells,
            // unless there is nothing to list anyway.
            if (m_pluginStore->isScanning() || !m_refreshBatch->isHolding() || !m_store || m_store->records().isEmpty())
                updateContentState();
        });
    Q_EMIT pluginStoreChanged();
    Q_EMIT isScanningChanged();
    updateContentState();
}

void LibraryController::componentComplete()
{
    m_complete = true;
    recordsMaybeChanged();
    // The view has come on screen: it always shows a freshly built list.
    if (m_rebuildCount == 0)
        rebuild();
}

QString LibraryController::pluginCountText() const
{
    return LibraryTexts::pluginCountText(m_viewModel->shownGroupCount(), m_viewModel->totalGroupCount(),
                                         filterState()->hasActiveFilters());
}

int LibraryController::activeFilterCount() const
{
    return LibraryTexts::activeFilterCount(*filterState());
}

QString LibraryController::filtersButtonText() const
{
    return LibraryTexts::filtersButtonText(activeFilterCount());
}

bool LibraryController::hasActiveFilters() const
{
    return filterState()->hasActiveFilters();
}

QStringList LibraryController::chipTitles() const
{
    return ScopeChips::titles();
}

QStringList LibraryController::selectedChips() const
{
    return ScopeChips::selectedTitles(*filterState());
}

QString LibraryController::chipSymbol(const QString& title)
{
    return ScopeChips::symbol(title);
}

QString LibraryController::contentStateText() const
{
    switch (m_contentState) {
    case ContentState::list:
        return QStringLiteral("list");
    case ContentState::noPlugins:
        return QStringLiteral("noPlugins");
    case ContentState::noMatches:
        return QStringLiteral("noMatches");
    }
    return {};
}

bool LibraryController::isScanning() const
{
    return m_pluginStore && m_pluginStore->isScanning();
}

bool LibraryController::hasScanBookmarks() const
{
    return m_store && !m_store->scanBookmarks().isEmpty();
}

QList<Tag*> LibraryController::tags() const
{
    if (!m_store)
        return {};
    QList<Tag*> sorted = m_store->tags();
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Tag* a, const Tag* b) { return localizedStandardCompare(a->name(), b->name()) < 0; });
    return sorted;
}

void LibraryController::editSearch(const QString& text)
{
    m_pendingSearch = text;
    const bool wasPending = m_searchTimer.isActive();
    m_searchTimer.start(); // restarting drops the edit still waiting
    if (!wasPending)
        Q_EMIT isSearchPendingChanged();
}

void LibraryController::commitSearch()
{
    Q_EMIT isSearchPendingChanged();
    filterState()->setSearchText(m_pendingSearch);
}

void LibraryController::activateChip(const QString& title)
{
    ScopeChips::activate(title, *filterState());
}

void LibraryController::refresh()
{
    if (m_pluginStore)
        m_pluginStore->refresh();
}

void LibraryController::rebuild()
{
    // Removed records are destroyed before their removal is announced: read the list afresh.
    syncRecords();
    m_catalogueEdited = false;
    m_viewModel->update(m_allGroups);
    m_latestByPublisher = DashboardViewModel::latestInstallByPublisher(m_allGroups);
    relist(true);
}

void LibraryController::relist(bool catalogueChanged)
{
    if (!catalogueChanged)
        m_viewModel->refilter();
    m_listModel->setContents(m_viewModel->sections(), m_viewModel->recordLookup(), m_latestByPublisher,
                             !catalogueChanged);
    ++m_rebuildCount;
    Q_EMIT listChanged();
    updateContentState();
}

void LibraryController::recordsMaybeChanged()
{
    if (m_refreshBatch->hold())
        return;
    if (syncRecords() && m_complete)
        rebuild();
}

bool LibraryController::lostGroups() const
{
    const QList<PluginRecord*> records = m_store ? m_store->records() : QList<PluginRecord*>();
    const QSet<PluginRecord*> present(records.cbegin(), records.cend());
    return std::any_of(m_allGroups.cbegin(), m_allGroups.cend(),
                       [&present](PluginRecord* record) { return !present.contains(record); });
}

void LibraryController::refreshEnded(bool changed)
{
    // Sizes, formats and dates of kept records change too: the whole catalogue is grouped anew.
    if (changed && m_complete)
        rebuild();
    else
        updateContentState();
}

bool LibraryController::syncRecords()
{
    const QList<PluginRecord*> records = m_store ? m_store->records() : QList<PluginRecord*>();
    // Field edits (a note, a favourite) arrive here too; only names decide the order.
    bool unchanged = records.size() == m_sortedNames.size();
    for (qsizetype i = 0; unchanged && i < records.size(); ++i) {
        const auto known = m_sortedNames.constFind(records[i]);
        unchanged = known != m_sortedNames.cend() && *known == records[i]->name();
    }
    if (unchanged)
        return false;

    const QList<PluginRecord*> sorted = LibraryRecordOrder::sortedByName(records);
    m_sortedNames.clear();
    for (PluginRecord* record : std::as_const(sorted))
        m_sortedNames.insert(record, record->name());
    if (sorted == m_allGroups)
        return false;
    m_allGroups = sorted;
    return true;
}

void LibraryController::updateContentState()
{
    ContentState state = ContentState::list;
    if (!isScanning()) {
        if (m_allGroups.isEmpty())
            state = ContentState::noPlugins;
        else if (m_viewModel->sections().isEmpty())
            state = ContentState::noMatches;
    }
    if (state == m_contentState)
        return;
    m_contentState = state;
    Q_EMIT contentStateChanged();
}
