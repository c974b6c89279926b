#include "presentation/DashboardLayout.h"

#include "model/ByteCountFormat.h"
#include "presentation/DashboardViewModel.h"

namespace {

constexpr qsizetype publisherLimit = 10;
constexpr qsizetype libraryLimit = 12;

template <typename Usage, typename Label>
void addChart(QList<UsageChart>& charts, const QString& title, const QList<Usage>& usages, qsizetype limit,
              Label label)
{
    if (usages.isEmpty())
        return;
    UsageChart chart{title, {}};
    for (const Usage& usage : usages.mid(0, limit))
        chart.bars.append({label(usage), usage.totalBytes});
    charts.append(chart);
}

} // namespace

namespace DashboardLayout {

QString title(const DashboardViewModel& model)
{
    return QStringLiteral("Dashboard %1 plugins").arg(model.totalGroups());
}

QList<StatCard> statCards(const DashboardViewModel& model)
{
    const auto warningTint = [](int count) {
        return count > 0 ? QStringLiteral("orange") : QStringLiteral("green");
    };
    return {
        {QStringLiteral("Unique Plugins"), QString::number(model.totalGroups()),
         QStringLiteral("square.grid.2x2"), QStringLiteral("blue")},
        {QStringLiteral("Total Installs"), QString::number(model.totalInstalls()),
         QStringLiteral("puzzlepiece.extension"), QStringLiteral("indigo")},
        {QStringLiteral("Plugin Bundle Size"), formatByteCount(model.totalBytes()),
         QStringLiteral("internaldrive"), QStringLiteral("teal")},
        {QStringLiteral("Content Library Size"), formatByteCount(model.contentBytes()),
         QStringLiteral("externaldrive"), QStringLiteral("mint")},
        {QStringLiteral("Rosetta Only"), QString::number(model.rosettaOnlyCount()),
         QStringLiteral("arrow.triangle.2.circlepath"), warningTint(model.rosettaOnlyCount())},
        {QStringLiteral("Possibly Outdated"), QString::number(model.possiblyOutdatedCount()),
         QStringLiteral("exclamationmark.circle"), warningTint(model.possiblyOutdatedCount())},
    };
}

QString separateTrackingNote()
{
    return QStringLiteral("Plugin bundle size and content library size are tracked separately so plugin "
                          "installs and sample/content folders do not get double-counted.");
}

QList<UsageChart> charts(const DashboardViewModel& model)
{
    QList<UsageChart> charts;
    const auto publisher = [](const PublisherUsage& usage) { return usage.publisher; };
    addChart(charts, QStringLiteral("Plugin Bundle Size by Publisher"), model.byPublisher(), publisherLimit,
             publisher);
    const qsizetype everyFormat = model.byFormat().size();
    addChart(charts, QStringLiteral("Plugin Bundle Size by Format"), model.byFormat(), everyFormat,
             [](const FormatUsage& usage) { return rawValue(usage.format); });
    addChart(charts, QStringLiteral("Content Library Size by Publisher"), model.contentByPublisher(),
             publisherLimit, publisher);
    addChart(charts, QStringLiteral("Largest Content Libraries"), model.contentByLibrary(), libraryLimit,
             [](const ContentUsage& usage) { return libraryLabel(usage); });
    return charts;
}

QString libraryLabel(const ContentUsage& library)
{
    if (!library.publisher.isEmpty() && library.name.contains(library.publisher, Qt::CaseInsensitive))
        return library.name;
    return library.publisher + QStringLiteral(" \u2014 ") + library.name;
}

} // namespace DashboardLayout
