#include "presentation/PluginGrouper.h"

#include "model/ByteCountFormat.h"
#include "model/CharacterClasses.h"
#include "model/LocaleCompare.h"
#include "model/RowDateFormat.h"
#include "presentation/DisplayCase.h"
#include "presentation/PublisherPrefix.h"
#include "store/CanonicalNames.h"

#include <QCollator>
#include <QDateTime>
#include <QHash>
#include <QtNumeric>

#include <algorithm>
#include <limits>
#include <numeric>
#include <optional>
#include <span>
#include <vector>

using namespace CharacterClasses;

namespace {

// Values shared by the groups of one grouping run.
struct GroupingContext {
    QDate windowStart = rowDateWindowStart(QDateTime::currentDateTimeUtc());
    QHash<QString, PublisherPrefix> prefixes;
    // Architecture labels are few; sharing their texts spares an allocation per row.
    QStringList architectureLabels;

    QString sharedArchitecture(QStringView text)
    {
        for (const QString& label : std::as_const(architectureLabels))
            if (label == text)
                return label;
        architectureLabels.append(text.toString());
        return architectureLabels.back();
    }

    // Most bundles name one of a few makers.
    const PublisherPrefix& prefixOf(const QString& publisher)
    {
        auto found = prefixes.find(publisher);
        if (found == prefixes.end())
            found = prefixes.emplace(publisher, publisher);
        return found.value();
    }
};

// The rows of one bucket with their cleaned names, worked out once while bucketing.
struct Bucket {
    QString key;
    std::span<const RawPlugin* const> rows;
    std::span<const QString> cleanedNames;
};

QString rowTypeLabel(const QString& type)
{
    if (equalLowerCased(type, u"audio unit"))
        return QStringLiteral("AU");
    if (equalLowerCased(type, u"vst"))
        return QStringLiteral("VST");
    if (equalLowerCased(type, u"vst 3"))
        return QStringLiteral("VST3");
    if (equalLowerCased(type, u"aax"))
        return QStringLiteral("AAX");
    if (equalLowerCased(type, u"clap"))
        return QStringLiteral("CLAP");
    return type.toUpper();
}

int formatPosition(const QString& label);

// Stable insertion sort by position: the lists hold a handful of labels.
void sortFormats(QStringList& formats)
{
    for (qsizetype i = 1; i < formats.size(); ++i) {
        const int position = formatPosition(formats[i]);
        qsizetype j = i;
        while (j > 0 && formatPosition(formats[j - 1]) > position) {
            formats.swapItemsAt(j, j - 1);
            --j;
        }
    }
}

int formatPosition(const QString& label)
{
    static const QStringList order{QStringLiteral("AU"), QStringLiteral("VST"), QStringLiteral("VST3"),
                                   QStringLiteral("AAX"), QStringLiteral("CLAP"), QStringLiteral("LV2"),
                                   QStringLiteral("LADSPA")};
    const qsizetype index = order.indexOf(label);
    return index < 0 ? int(order.size()) : int(index);
}

// The shorter name with a blank reads best: "Vintage Verb" over "ValhallaVintageVerb".
bool isBetterCandidate(const QString& a, const QString& b)
{
    const bool aHasBlank = a.contains(u' ');
    const bool bHasBlank = b.contains(u' ');
    if (aHasBlank != bHasBlank)
        return aHasBlank;
    if (a.size() != b.size())
        return a.size() < b.size();
    return localizedCaseInsensitiveCompare(a, b) < 0;
}

QString latestDateText(std::span<const RawPlugin* const> rows, QString RawPlugin::*field, QDate windowStart)
{
    QDate latest;
    const QString* previous = nullptr;
    for (const RawPlugin* row : rows) {
        // The formats of one product are mostly installed on one day.
        if (previous && *previous == row->*field)
            continue;
        previous = &(row->*field);
        const QDate day = parseRowDay(*previous, windowStart);
        if (day.isValid() && (!latest.isValid() || day > latest))
            latest = day;
    }
    return latest.isValid() ? formatDisplayRowDay(latest) : rows.front()->*field;
}

bool publisherEqualsName(const PluginGroup& group)
{
    return equalLowerCased(group.publisher, group.name);
}

void sortByName(QList<PluginGroup>& groups)
{
    const QCollator collator = localizedCaseInsensitiveCollator();
    std::vector<qsizetype> order(groups.size());
    std::iota(order.begin(), order.end(), 0);
    const QList<PluginGroup>& unsorted = groups;
    std::stable_sort(order.begin(), order.end(), [&unsorted, &collator](qsizetype a, qsizetype b) {
        return collator.compare(unsorted[a].name, unsorted[b].name) < 0;
    });
    QList<PluginGroup> sorted;
    sorted.reserve(groups.size());
    for (const qsizetype index : order)
        sorted.append(std::move(groups[index]));
    groups = std::move(sorted);
}

// A group without a real publisher takes the one of the first group, in sorted order, whose name
// is a proper prefix of its own. Only proper prefixes can lend, so they are looked up by name
// instead of scanning every group.
void borrowPublishers(QList<PluginGroup>& groups)
{
    const auto needsPublisher = [](const PluginGroup& group) {
        return group.publisher.isEmpty() || publisherEqualsName(group);
    };
    if (std::none_of(groups.cbegin(), groups.cend(), needsPublisher))
        return;

    // Groups by name, each name's groups chained in sorted order.
    QHash<QStringView, qsizetype> firstByName;
    firstByName.reserve(groups.size());
    std::vector<qsizetype> nextWithName(std::size_t(groups.size()), -1);
    for (qsizetype i = groups.size() - 1; i >= 0; --i) {
        const auto found = firstByName.find(QStringView(groups[i].name));
        if (found == firstByName.end()) {
            firstByName.insert(QStringView(groups[i].name), i);
        } else {
            nextWithName[std::size_t(i)] = found.value();
            found.value() = i;
        }
    }

    for (PluginGroup& group : groups) {
        if (!needsPublisher(group))
            continue;
        const QStringView name(group.name);
        std::optional<qsizetype> lender;
        for (qsizetype length = 0; length < name.size(); ++length) {
            // A prefix never ends inside a surrogate pair or before a combining mark.
            if (length > 0 && (name[length].isLowSurrogate() || isMark(codePointAt(name, length))))
                continue;
            const auto found = firstByName.constFind(name.left(length));
            if (found == firstByName.cend())
                continue;
            for (qsizetype index = found.value(); index >= 0; index = nextWithName[std::size_t(index)]) {
                const PluginGroup& candidate = groups[index];
                if (!candidate.publisher.isEmpty() && !publisherEqualsName(candidate)) {
                    if (!lender || index < *lender)
                        lender = index;
                    break;
                }
            }
        }
        if (lender)
            group.publisher = groups[*lender].publisher;
    }
}

PluginGroup buildGroup(const Bucket& bucket, GroupingContext& context)
{
    const auto& rows = bucket.rows;
    PluginGroup group;
    group.id = bucket.key;
    if (rows.empty())
        return group;

    QString publisher = rows.front()->publisher;
    for (const RawPlugin* row : rows) {
        const QStringView trimmed = trimmedBlanks(row->publisher);
        if (!trimmed.isEmpty() && !equalLowerCased(trimmed, bucket.key) && !trimmed.contains(u'.')) {
            publisher = row->publisher;
            break;
        }
    }

    const PublisherPrefix& prefix = context.prefixOf(publisher);
    QString best;
    for (std::size_t i = 0; i < bucket.cleanedNames.size(); ++i) {
        const QString& cleaned = bucket.cleanedNames[i];
        QString candidate = prefix.strip(cleaned);
        if (candidate.isEmpty())
            candidate = cleaned;
        if (i == 0 || (candidate != best && isBetterCandidate(candidate, best)))
            best = std::move(candidate);
    }
    group.name = displayCase(best);
    group.publisher = displayCase(publisher);
    group.version = rows.front()->version;

    group.formats.reserve(qMin(qsizetype(rows.size()), qsizetype(7)));
    group.architectures.reserve(2);
    group.pluginIDs.reserve(qsizetype(rows.size()));
    group.paths.reserve(qsizetype(rows.size()));
    qint64 total = 0;
    for (const RawPlugin* row : rows) {
        const QString label = rowTypeLabel(row->type);
        if (!group.formats.contains(label))
            group.formats.append(label);
        for (const QStringView piece : QStringView(row->archs).tokenize(QStringView(u", "))) {
            const QStringView architecture = trimmedBlanks(piece);
            if (!architecture.isEmpty() && !group.architectures.contains(architecture))
                group.architectures.append(context.sharedArchitecture(architecture));
        }
        // Plug-ins sharing one bundle share its bytes: they count once.
        if (!group.paths.contains(row->path) && qAddOverflow(total, parseSizeText(row->size), &total))
            total = total < 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
        group.pluginIDs.append(row->pluginID);
        group.paths.append(row->path);
    }
    sortFormats(group.formats);
    std::sort(group.architectures.begin(), group.architectures.end());

    group.dated = latestDateText(rows, &RawPlugin::dated, context.windowStart);
    group.installed = latestDateText(rows, &RawPlugin::installed, context.windowStart);
    group.totalSizeBytes = total;
    group.totalSize = formatByteCount(total);
    return group;
}

} // namespace

QList<PluginGroup> PluginGrouper::group(const QList<RawPlugin>& rows) const
{
    const std::size_t rowCount = std::size_t(rows.size());
    std::vector<QString> cleanedNames(rowCount);
    std::vector<qsizetype> bucketOfRow(rowCount);
    QStringList keys;
    QHash<QStringView, qsizetype> bucketByKey;
    bucketByKey.reserve(rows.size());
    QString lowered;
    for (std::size_t i = 0; i < rowCount; ++i) {
        cleanedNames[i] = cleanedPluginName(rows[qsizetype(i)].name);
        // The group key, from the cleaned name already at hand, in a reused buffer.
        lowerCasedInto(cleanedNames[i], lowered);
        const QStringView key = trimmedBlanks(lowered);
        const auto found = bucketByKey.constFind(key);
        if (found != bucketByKey.cend()) {
            bucketOfRow[i] = found.value();
        } else {
            bucketOfRow[i] = keys.size();
            keys.append(key.toString());
            bucketByKey.insert(QStringView(keys.back()), bucketOfRow[i]);
        }
    }

    // Each bucket's rows side by side, in input order.
    std::vector<std::size_t> offsets(std::size_t(keys.size()) + 1, 0);
    for (const qsizetype bucket : bucketOfRow)
        ++offsets[std::size_t(bucket) + 1];
    std::partial_sum(offsets.begin(), offsets.end(), offsets.begin());
    std::vector<const RawPlugin*> bucketRows(rowCount);
    std::vector<QString> bucketNames(rowCount);
    std::vector<std::size_t> filled(offsets.begin(), offsets.end() - 1);
    for (std::size_t i = 0; i < rowCount; ++i) {
        const std::size_t at = filled[std::size_t(bucketOfRow[i])]++;
        bucketRows[at] = &rows[qsizetype(i)];
        bucketNames[at] = std::move(cleanedNames[i]);
    }

    GroupingContext context;
    QList<PluginGroup> groups;
    groups.reserve(keys.size());
    for (qsizetype b = 0; b < keys.size(); ++b) {
        const std::size_t begin = offsets[std::size_t(b)];
        const std::size_t count = offsets[std::size_t(b) + 1] - begin;
        const Bucket bucket{keys[b], std::span(bucketRows).subspan(begin, count),
                            std::span<const QString>(bucketNames).subspan(begin, count)};
        groups.append(buildGroup(bucket, context));
    }
    sortByName(groups);
    borrowPublishers(groups);
    return groups;
}

PluginGroup PluginGrouper::makeGroup(const QString& key, const QList<RawPlugin>& rows) const
{
    std::vector<const RawPlugin*> bucketRows;
    std::vector<QString> cleanedNames;
    for (const RawPlugin& row : rows) {
        bucketRows.push_back(&row);
        cleanedNames.push_back(cleanedPluginName(row.name));
    }
    GroupingContext context;
    return buildGroup(Bucket{key, bucketRows, cleanedNames}, context);
}

QString PluginGrouper::stripPublisherPrefix(const QString& name, const QString& publisher)
{
    return PublisherPrefix(publisher).strip(name);
}

QSet<QString> PluginGrouper::publisherPrefixKeys(const QString& publisher)
{
    const QStringList keys = PublisherPrefix(publisher).keys();
    return QSet<QString>(keys.cbegin(), keys.cend());
}
