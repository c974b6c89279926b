#include "presentation/ExportInstallRows.h"

#include "model/LocaleCompare.h"
#include "model/PluginInstall.h"
#include "model/PluginRecord.h"
#include "presentation/LibrarySectioning.h"
#include "presentation/RowLabels.h"

#include <QCollator>

#include <algorithm>
#include <array>
#include <numeric>
#include <vector>

namespace {

int formatLabelRank(PluginFormat format)
{
    static const auto ranks = [] {
        constexpr auto formats = allCases<PluginFormat>();
        std::array<PluginFormat, formats.size()> sorted = formats;
        std::sort(sorted.begin(), sorted.end(), [](PluginFormat a, PluginFormat b) {
            return LibrarySectioning::codePointLess(formatLabel(a), formatLabel(b));
        });
        std::array<int, formats.size()> result{};
        for (std::size_t i = 0; i < sorted.size(); ++i)
            result[std::size_t(canonicalIndex(sorted[i]))] = int(i);
        return result;
    }();
    return ranks[std::size_t(canonicalIndex(format))];
}

} // namespace

namespace ExportInstallRows {

QList<ExportInstallRow> rows(const QList<PluginRecord*>& records)
{
    const QCollator collator = localizedCaseInsensitiveCollator();
    QStringList names;
    names.reserve(records.size());
    for (const PluginRecord* record : records)
        names.append(record->name());
    std::vector<qsizetype> order(std::size_t(records.size()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&names, &collator](qsizetype a, qsizetype b) {
        return collator.compare(names[a], names[b]) < 0;
    });

    QList<ExportInstallRow> result;
    for (const qsizetype index : order) {
        const PluginRecord* record = records[index];
        QList<PluginInstall*> installs = record->installs();
        std::stable_sort(installs.begin(), installs.end(), [](const PluginInstall* a, const PluginInstall* b) {
            return formatLabelRank(a->format()) < formatLabelRank(b->format());
        });
        for (const PluginInstall* install : std::as_const(installs))
            result.append({record, install});
    }
    return result;
}

} // namespace ExportInstallRows
