#include "ui/DashboardController.h"

#include "model/ByteCountFormat.h"
#include "ui/StoreObservation.h"

#include <QMetaObject>

namespace {

QVariantMap bar(const QString& label, qint64 bytes)
{
    return {{QStringLiteral("label"), label},
            {QStringLiteral("bytes"), bytes},
            {QStringLiteral("sizeText"), formatByteCount(bytes)}};
}

QVariantMap chart(const QString& title, const QVariantList& items)
{
    return {{QStringLiteral("title"), title},
            {QStringLiteral("height"), DashboardController::chartHeight(int(items.size()))},
            {QStringLiteral("items"), items}};
}

QVariantMap statCard(const char* title, const QString& value, const char* symbol, const char* tint)
{
    return {{QStringLiteral("title"), QString::fromUtf8(title)},
            {QStringLiteral("value"), value},
            {QStringLiteral("symbol"), QString::fromUtf8(symbol)},
            {QStringLiteral("tint"), QString::fromUtf8(tint)}};
}

const char* warningTint(int count)
{
    return count > 0 ? "orange" : "green";
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
    return QStringLiteral("Dashboard %1 plugins").arg(m_viewModel->totalGroups());
}

QVariantList DashboardController::statCards() const
{
    const DashboardViewModel& figures = *m_viewModel;
    return {
        statCard("Unique Plugins", QString::number(figures.totalGroups()), "square.grid.2x2", "blue"),
        statCard("Total Installs", QString::number(figures.totalInstalls()), "puzzlepiece.extension", "indigo"),
        statCard("Plugin Bundle Size", formatByteCount(figures.totalBytes()), "internaldrive", "teal"),
        statCard("Content Library Size", formatByteCount(figures.contentBytes()), "externaldrive", "mint"),
        statCard("Rosetta Only", QString::number(figures.rosettaOnlyCount()), "arrow.triangle.2.circlepath",
                 warningTint(figures.rosettaOnlyCount())),
        statCard("Possibly Outdated", QString::number(figures.possiblyOutdatedCount()), "exclamationmark.circle",
                 warningTint(figures.possiblyOutdatedCount())),
    };
}

QVariantList DashboardController::charts() const
{
    const DashboardViewModel& figures = *m_viewModel;
    QVariantList result;
    // The usage lists come largest first, so a limit keeps the largest entries.
    const auto add = [&](const char* title, const auto& usages, qsizetype limit, const auto& label) {
        QVariantList items;
        for (const auto& usage : usages) {
            if (limit >= 0 && items.size() >= limit)
                break;
            items.append(bar(label(usage), usage.totalBytes));
        }
        if (!items.isEmpty())
            result.append(chart(QString::fromUtf8(title), items));
    };
    add("Plugin Bundle Size by Publisher", figures.byPublisher(), 10,
        [](const PublisherUsage& usage) { return usage.publisher; });
    add("Plugin Bundle Size by Format", figures.byFormat(), -1,
        [](const FormatUsage& usage) { return rawValue(usage.format); });
    add("Content Library Size by Publisher", figures.contentByPublisher(), 10,
        [](const PublisherUsage& usage) { return usage.publisher; });
    add("Largest Content Libraries", figures.contentByLibrary(), 12,
        [](const ContentUsage& usage) { return libraryLabel(usage.name, usage.publisher); });
    return result;
}

QString DashboardController::libraryLabel(const QString& name, const QString& publisher)
{
    if (!publisher.isEmpty() && name.contains(publisher, Qt::CaseInsensitive))
        return name;
    return publisher + QStringLiteral(" \u2014 ") + name;
}
