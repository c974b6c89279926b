#pragma once

#include "presentation/ContentUsage.h"
#include "presentation/StatCard.h"
#include "presentation/UsageChart.h"

#include <QList>
#include <QString>

class DashboardViewModel;

// What the dashboard shows of its figures: the title, the six cards in order, the note under
// them and the charts that have entries, each cut to its limit.
namespace DashboardLayout {

// "Dashboard 128 plugins".
[[nodiscard]] QString title(const DashboardViewModel& model);
[[nodiscard]] QList<StatCard> statCards(const DashboardViewModel& model);
[[nodiscard]] QString separateTrackingNote();
// Top 10 publishers, every format, top 10 content publishers, top 12 libraries; empty ones left out.
[[nodiscard]] QList<UsageChart> charts(const DashboardViewModel& model);
// The name alone when it already names the publisher, else "publisher — name".
[[nodiscard]] QString libraryLabel(const ContentUsage& library);

} // namespace DashboardLayout
