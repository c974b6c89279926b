#include "cli/LibraryListing.h"

#include "cli/ConsoleOutput.h"
#include "cli/TextTable.h"
#include "model/CatalogStore.h"
#include "presentation/CardTexts.h"
#include "presentation/LibraryRecordOrder.h"
#include "presentation/LibraryTexts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr int columnCount = 6;
constexpr int sizeColumn = 4;
constexpr int rowIndent = 2;

QString orDefault(const QString& text, const QString& fallback) {
    return text.isEmpty() ? fallback : text;
}

QStringList groupRow(const PluginGroup& group, const PluginRecord& record) {
    return {group.name,
            CardTexts::subtitleText(group.name, group.publisher, record.category()),
            group.formats.join(QStringLiteral(", ")),
            CardTexts::showsRosetta(group.architectures) ? QStringLiteral("Rosetta") : QString(),
            orDefault(group.totalSize, QStringLiteral("\u2014")),
            orDefault(group.dated, QStringLiteral("No date"))};
}

} // namespace

LibraryListing::LibraryListing(const CatalogStore& store)
    : m_records(LibraryRecordOrder::sortedByName(store.records())) {}

void LibraryListing::update() {
    m_model.update(m_records);
}

QString LibraryListing::text() const {
    const FilterState& filter = *m_model.filterState();
    QString out = QStringLiteral("Zuzuze Vizozod ") +
                  LibraryTexts::pluginCountText(m_model.shownGroupCount(), m_model.totalGroupCount(),
                                                filter.hasActiveFilters()) +
                  QStringLiteral("\n\n");
    if (m_records.isEmpty())
        return out + QStringLiteral(
                         "No Plugins Found\nGrant access to your plugin folders with \"%1 grant FOLDER...\", "
                         "then run \"%1 refresh\".\n")
                         .arg(ConsoleOutput::programName);
    if (m_model.sections().isEmpty())
        return out + QStringLiteral("No Matching Plugins\nTry clearing the current search or filters.\n");

    TextTable table(QStringList(columnCount, QString()));
    table.setHeaderShown(false);
    table.setIndent(rowIndent);
    table.setRightAligned(sizeColumn);
    bool first = true;
    for (const LibrarySection& section : m_model.sections()) {
        if (!first)
            table.addHeading(QString());
        first = false;
        table.addHeading(section.header + QStringLiteral(" (") + QString::number(section.groups.size()) +
                         u')');
        for (const PluginGroup& group : section.groups)
            if (const PluginRecord* record = m_model.recordLookup().value(group.id))
                table.addRow(groupRow(group, *record));
    }
    return out + table.toString();
}

QString LibraryListing::json() const {
    QJsonArray sections;
    for (const LibrarySection& section : m_model.sections())
        sections.append(QJsonObject::fromVariantMap(section.toVariantMap()));
    const QJsonObject object{{QStringLiteral("totalGroupCount"), m_model.totalGroupCount()},
                             {QStringLiteral("sections"), sections}};
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented));
}
