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
{
}

DashboardController::~DashboardController() = default;

void DashboardController::setStore(CatalogStore* store)
{
    if (!StoreObservation::follow(this, m_store, store))
        return;
    if (m_store) {
        connect(m_store, &CatalogStore::recordsChanged, this, &DashboardController::scheduleCompute);
        connect(m_store, &CatalogStore::installsChanged, this, &DashboardController::scheduleCompute);
        connect(m_store, &CatalogStore::contentFoldersChanged, this, &DashboardController::scheduleCompute);
        connect(m_store, &CatalogStore::contentItemsChanged, this, &DashboardController::scheduleCompute);
        // A refresh re-measures what it keeps: sizes and statuses change without a new object.
        connect(m_store, &CatalogStore::edited, this, &DashboardController::scheduleCompute);
    }
    Q_EMIT storeChanged();
    if (m_complete)
        compute();
}

void DashboardController::componentComplete()
{
    m_complete = true;
    compute();
}

void DashboardController::scheduleCompute()
{
    if (m_computePending)
        return;
    m_computePending = true;
    QMetaObject::invokeMethod(this, &DashboardController::compute, Qt::QueuedConnection);
}

void DashboardController::compute()
{
    m_computePending = false;
    if (m_store)
        m_viewModel->compute(m_store->records(), m_store->contentFolders(), m_store->contentItems());
    else
        m_viewModel->compute({}, {}, {});
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
