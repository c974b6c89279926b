#include "ui/DashboardController.h"

#include "model/ByteCountFormat.h"
#include "presentation/DashboardLayout.h"
#include "ui/StoreObservation.h"

#include <QMetaObject>

namespace {

QVariantMap bar(const UsageChart::Bar& bar)
{
    return {{QStringLiteral("label"), bar.label},
            {QStringLiteral("bytes"), bar.bytes},
            {QStringLiteral("sizeText"), formatByteCount(bar.bytes)}};
}

QVariantMap statCard(const StatCard& card)
{
    return {{QStringLiteral("title"), card.title},
            {QStringLiteral("value"), card.value},
            {QStringLiteral("symbol"), card.symbol},
            {QStringLiteral("tint"), card.tint}};
}

} // namespace

DashboardController::DashboardController(QObject* parent)
    : QObject(parent)
    , m_viewModel(new DashboardViewModel(this))
    , m_refreshBatch(new RefreshBatch(this))
{
    connect(m_refreshBatch, &RefreshBatch::ended, this, [this](bool changed) {
        if (changed)
            scheduleCompute(false, false);
    });
}

DashboardController::~DashboardController() = default;

void DashboardController::setStore(CatalogStore* store)
{
    if (!StoreObservation::follow(this, m_store, store))
        return;
    if (m_store) {
        const auto plugins = [this] { scheduleCompute(true, false); };
        const auto content = [this] { scheduleCompute(false, true); };
        connect(m_store, &CatalogStore::recordsChanged, this, plugins);
        connect(m_store, &CatalogStore::installsChanged, this, plugins);
        connect(m_store, &CatalogStore::contentFoldersChanged, this, content);
        connect(m_store, &CatalogStore::contentItemsChanged, this, content);
        // A refresh re-measures what it keeps: sizes and statuses change without a new object,
        // and the edit does not say of which kind; unchanged plug-in rows keep their grouping.
        connect(m_store, &CatalogStore::edited, this, [this] { scheduleCompute(true, true); });
    }
    Q_EMIT storeChanged();
    if (m_complete)
        compute();
}

void DashboardController::setPluginStore(PluginStore* pluginStore)
{
    if (m_pluginStore == pluginStore)
        return;
    m_pluginStore = pluginStore;
    m_refreshBatch->setPluginStore(pluginStore);
    Q_EMIT pluginStoreChanged();
}

void DashboardController::componentComplete()
{
    m_complete = true;
    compute();
}

void DashboardController::scheduleCompute(bool plugins, bool content)
{
    m_pluginsChanged = m_pluginsChanged || plugins;
    m_contentChanged = m_contentChanged || content;
    if (m_computePending || m_refreshBatch->hold())
        return;
    m_computePending = true;
    QMetaObject::invokeMethod(this, &DashboardController::computeChanged, Qt::QueuedConnection);
}

void DashboardController::compute()
{
    m_pluginsChanged = true;
    m_contentChanged = true;
    computeChanged();
}

void DashboardController::computeChanged()
{
    m_computePending = false;
    if (m_pluginsChanged)
        m_viewModel->computePlugins(m_store ? m_store->records() : QList<PluginRecord*>());
    if (m_contentChanged)
        m_viewModel->computeContent(m_store ? m_store->contentFolders() : QList<ContentLibraryFolder*>(),
                                    m_store ? m_store->contentItems() : QList<ContentLibraryItem*>());
    m_pluginsChanged = false;
    m_contentChanged = false;
    ++m_computeCount;
    Q_EMIT figuresChanged();
}

QString DashboardController::title() const
{
    return DashboardLayout::title(*m_viewModel);
}

QVariantList DashboardController::statCards() const
{
    QVariantList result;
    for (const StatCard& card : DashboardLayout::statCards(*m_viewModel))
        result.append(statCard(card));
    return result;
}

QVariantList DashboardController::charts() const
{
    QVariantList result;
    for (const UsageChart& chart : DashboardLayout::charts(*m_viewModel)) {
        QVariantList items;
        for (const UsageChart::Bar& item : chart.bars)
            items.append(bar(item));
        result.append(QVariantMap{{QStringLiteral("title"), chart.title},
                                  {QStringLiteral("height"), chartHeight(int(items.size()))},
                                  {QStringLiteral("items"), items}});
    }
    return result;
}
