#include "cli/DashboardCommand.h"

#include "cli/CatalogSession.h"
#include "cli/ConsoleOutput.h"
#include "cli/ExitStatus.h"
#include "cli/TextTable.h"
#include "model/ByteCountFormat.h"
#include "model/CatalogStore.h"
#include "presentation/DashboardLayout.h"
#include "presentation/DashboardViewModel.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString jsonOption = QStringLiteral("json");
constexpr int rowIndent = 2;

QString text(const DashboardViewModel& model) {
    TextTable cards({QString(), QString()});
    cards.setHeaderShown(false);
    cards.setRightAligned(1);
    for (const StatCard& card : DashboardLayout::statCards(model))
        cards.addRow({card.title, card.value});
    QString out = DashboardLayout::title(model) + QStringLiteral("\n\n") + cards.toString() + u'\n' +
                  DashboardLayout::separateTrackingNote() + u'\n';

    for (const UsageChart& chart : DashboardLayout::charts(model)) {
        TextTable bars({QString(), QString()});
        bars.setHeaderShown(false);
        bars.setIndent(rowIndent);
        bars.setRightAligned(1);
        for (const UsageChart::Bar& bar : chart.bars)
            bars.addRow({bar.label, formatByteCount(bar.bytes)});
        out += u'\n' + chart.title + u'\n' + bars.toString();
    }
    return out;
}

QJsonArray jsonArray(const QVariantList& list) {
    return QJsonArray::fromVariantList(list);
}

QString json(const DashboardViewModel& model) {
    const QJsonObject object{
        {QStringLiteral("totalGroups"), model.totalGroups()},
        {QStringLiteral("totalInstalls"), model.totalInstalls()},
        {QStringLiteral("totalBytes"), model.totalBytes()},
        {QStringLiteral("rosettaOnlyCount"), model.rosettaOnlyCount()},
        {QStringLiteral("possiblyOutdatedCount"), model.possiblyOutdatedCount()},
        {QStringLiteral("contentBytes"), model.contentBytes()},
        {QStringLiteral("byPublisher"), jsonArray(model.byPublisherModel())},
        {QStringLiteral("byFormat"), jsonArray(model.byFormatModel())},
        {QStringLiteral("contentByPublisher"), jsonArray(model.contentByPublisherModel())},
        {QStringLiteral("contentByLibrary"), jsonArray(model.contentByLibraryModel())}};
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented));
}

} // namespace

QString DashboardCommand::name() const {
    return QStringLiteral("dashboard");
}

QString DashboardCommand::summary() const {
    return QStringLiteral("Shows the catalogue's counts and disk usage, as the dashboard does.");
}

QString DashboardCommand::synopsis() const {
    return QStringLiteral("[--json] [--store PATH]");
}

void DashboardCommand::addOptions(QCommandLineParser& parser) const {
    parser.addOption(QCommandLineOption(
        jsonOption,
        QStringLiteral("Print every figure and every usage list, untruncated, as one JSON object.")));
}

int DashboardCommand::run(const QStringList& arguments, const QCommandLineParser& parser,
                          const CommandContext& context) {
    if (!arguments.isEmpty())
        return ConsoleOutput::usageError(QStringLiteral("dashboard takes no arguments."), context.usage);
    const auto store = CatalogSession::open(context.storePath);
    if (!store)
        return ExitStatus::failure;
    DashboardViewModel model;
    model.compute(store->records(), store->contentFolders(), store->contentItems());
    ConsoleOutput::out(parser.isSet(jsonOption) ? json(model) : text(model));
    return ExitStatus::success;
}
