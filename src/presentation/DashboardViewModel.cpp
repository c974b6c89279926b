#include "presentation/DashboardViewModel.h"

#include "model/BundleByteTotal.h"
#include "model/ContentLibraryFolder.h"
#include "model/ContentLibraryItem.h"
#include "model/PluginInstall.h"
#include "model/PluginRecord.h"
#include "presentation/MakeRawPlugin.h"

#include <algorithm>
#include <array>
#include <limits>

namespace {

// Sums saturate rather than wrap; no real catalogue comes near.
qint64 add(qint64 a, qint64 b)
{
    qint64 sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        return b > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
    return sum;
}

// Accumulates bytes per publisher text, remembering the order in which publishers first came.
class PublisherTotals {
public:
    void add(const QString& publisher, qint64 bytes)
    {
        const auto found = m_index.constFind(publisher);
        if (found == m_index.cend()) {
            m_index.insert(publisher, m_usages.size());
            m_usages.append(PublisherUsage{publisher, bytes});
        } else {
            PublisherUsage& usage = m_usages[found.value()];
            usage.totalBytes = ::add(usage.totalBytes, bytes);
        }
    }
    QList<PublisherUsage> take() { return std::move(m_usages); }

private:
    QHash<QString, qsizetype> m_index;
    QList<PublisherUsage> m_usages;
};

template <typename T> QList<T> largestFirst(QList<T> list)
{
    std::stable_sort(list.begin(), list.end(), [](const T& a, const T& b) { return a.totalBytes > b.totalBytes; });
    return list;
}

template <typename T> QVariantList variantList(const QList<T>& list)
{
    QVariantList result;
    result.reserve(list.size());
    for (const T& entry : list)
        result.append(entry.toVariantMap());
    return result;
}

constexpr qint64 noDate = std::numeric_limits<qint64>::min();
constexpr qint64 yearMSecs = 31'536'000LL * 1000;

const QString appleSilicon = QStringLiteral("Apple Silicon");
const QString intel64 = QStringLiteral("Intel 64");

struct ContentFigures {
    qint64 bytes = 0;
    QList<PublisherUsage> byPublisher;
    QList<ContentUsage> byLibrary;
};

// From the libraries found inside the content roots, or from the roots when none was recognised:
// the items lie inside the folders, so counting both would count every byte twice.
ContentFigures contentFigures(const QList<ContentLibraryFolder*>& folders, const QList<ContentLibraryItem*>& items)
{
    ContentFigures figures;
    PublisherTotals publishers;
    for (const ContentLibraryItem* item : items) {
        if (!item || item->status() != ContentLibraryStatus::found || item->totalBytes() <= 0)
            continue;
        figures.bytes = add(figures.bytes, item->totalBytes());
        publishers.add(item->publisher(), item->totalBytes());
        figures.byLibrary.append(ContentUsage{item->path(), item->name(), item->publisher(), item->totalBytes()});
    }
    if (figures.byLibrary.isEmpty()) {
        for (const ContentLibraryFolder* folder : folders) {
            if (!folder || folder->status() != ContentLibraryStatus::found || folder->totalBytes() <= 0)
                continue;
            figures.bytes = add(figures.bytes, folder->totalBytes());
            publishers.add(folder->publisher(), folder->totalBytes());
        }
    }
    figures.byPublisher = publishers.take();
    return figures;
}

} // namespace

DashboardViewModel::DashboardViewModel(QObject* parent) : QObject(parent) {}

template <typename T> void DashboardViewModel::assign(T& member, T&& value, void (DashboardViewModel::*signal)())
{
    if (member == value)
        return;
    member = std::move(value);
    Q_EMIT(this->*signal)();
}

QVariantList DashboardViewModel::byPublisherModel() const
{
    return variantList(m_byPublisher);
}

QVariantList DashboardViewModel::byFormatModel() const
{
    return variantList(m_byFormat);
}

QVariantList DashboardViewModel::contentByPublisherModel() const
{
    return variantList(m_contentByPublisher);
}

QVariantList DashboardViewModel::contentByLibraryModel() const
{
    return variantList(m_contentByLibrary);
}

void DashboardViewModel::compute(const QList<PluginRecord*>& records, const QList<ContentLibraryFolder*>& folders,
                                 const QList<ContentLibraryItem*>& items)
{
    computePlugins(records);
    computeContent(folders, items);
}

void DashboardViewModel::computeContent(const QList<ContentLibraryFolder*>& folders,
                                        const QList<ContentLibraryItem*>& items)
{
    ContentFigures content = contentFigures(folders, items);
    assign(m_contentBytes, std::move(content.bytes), &DashboardViewModel::contentBytesChanged);
    assign(m_contentByPublisher, largestFirst(std::move(content.byPublisher)),
           &DashboardViewModel::contentByPublisherChanged);
    assign(m_contentByLibrary, largestFirst(std::move(content.byLibrary)), &DashboardViewModel::contentByLibraryChanged);
}

void DashboardViewModel::computePlugins(const QList<PluginRecord*>& records)
{
    constexpr auto formats = allCases<PluginFormat>();
    std::array<qint64, formats.size()> formatBytes{};
    std::array<bool, formats.size()> formatSeen{};
    m_instants.revalidate();
    // Every plug-in figure comes from the found installs' fields: the same fields, the same figures.
    const QDate today = QDate::currentDate();
    if (m_groupingCount > 0 && today == m_groupedOn && m_inputs.matches(records))
        return;
    m_inputs.take(records);
    PublisherTotals publishers;
    QHash<QString, qint64> latestByPublisher;
    // Each active record's publisher and earliest found install.
    QList<std::pair<QString, qint64>> earliestByRecord;
    QList<RawPlugin> rows;
    rows.reserve(records.size() * 2);
    int installCount = 0;
    qint64 installBytes = 0;
    // A bundle holding several plug-ins counts once, for the first record that lists it.
    BundleByteTotal bundleBytes;

    // One pass over the installs gathers what the spelled-out rules take from several.
    for (const PluginRecord* record : records) {
        if (!record)
            continue;
        int found = 0;
        qint64 recordBytes = 0;
        qint64 earliest = std::numeric_limits<qint64>::max();
        qint64 latest = noDate;
        for (const PluginInstall* install : record->installs()) {
            if (!install->isFound())
                continue;
            ++found;
            const qint64 bytes = bundleBytes.add(*install);
            recordBytes = add(recordBytes, bytes);
            const auto index = std::size_t(canonicalIndex(install->format()));
            formatBytes[index] = add(formatBytes[index], bytes);
            formatSeen[index] = true;
            if (install->installDate().isValid()) {
                const qint64 installed = m_instants.msecsSinceEpoch(install->installDate());
                earliest = std::min(earliest, installed);
                latest = std::max(latest, installed);
            }
            rows.append(makeRawPlugin(*install, *record, m_instants));
        }
        if (found == 0)
            continue;
        installCount += found;
        installBytes = add(installBytes, recordBytes);
        publishers.add(record->publisher(), recordBytes);
        auto publisherLatest = latestByPublisher.find(record->publisher());
        if (publisherLatest == latestByPublisher.end())
            latestByPublisher.insert(record->publisher(), latest);
        else
            publisherLatest.value() = std::max(publisherLatest.value(), latest);
        earliestByRecord.append({record->publisher(), earliest});
    }

    // Equal rows give equal groups; two-digit row years are read against today.
    if (rows != m_rows || m_groupingCount == 0 || today != m_groupedOn) {
        const QList<PluginGroup> groups = m_grouper.group(rows);
        m_rosettaGroups = 0;
        for (const PluginGroup& group : groups)
            if (!group.architectures.contains(appleSilicon) && group.architectures.contains(intel64))
                ++m_rosettaGroups;
        m_groupCount = int(groups.size());
        m_rows = std::move(rows);
        m_groupedOn = today;
        ++m_groupingCount;
    }

    // hasInstallOlderThanAYear with each publisher's latest install as the reference.
    int outdated = 0;
    for (const auto& [publisher, earliest] : std::as_const(earliestByRecord)) {
        const qint64 asOf = latestByPublisher.value(publisher, noDate);
        if (earliest != std::numeric_limits<qint64>::max() && asOf != noDate && asOf - earliest > yearMSecs)
            ++outdated;
    }

    QList<FormatUsage> byFormat;
    for (std::size_t i = 0; i < formats.size(); ++i)
        if (formatSeen[i])
            byFormat.append(FormatUsage{formats[i], formatBytes[i]});

    assign(m_totalGroups, int(m_groupCount), &DashboardViewModel::totalGroupsChanged);
    assign(m_totalInstalls, std::move(installCount), &DashboardViewModel::totalInstallsChanged);
    assign(m_totalBytes, std::move(installBytes), &DashboardViewModel::totalBytesChanged);
    assign(m_rosettaOnlyCount, int(m_rosettaGroups), &DashboardViewModel::rosettaOnlyCountChanged);
    assign(m_possiblyOutdatedCount, std::move(outdated), &DashboardViewModel::possiblyOutdatedCountChanged);
    assign(m_byPublisher, largestFirst(publishers.take()), &DashboardViewModel::byPublisherChanged);
    assign(m_byFormat, largestFirst(std::move(byFormat)), &DashboardViewModel::byFormatChanged);
}

QHash<QString, qint64> DashboardViewModel::latestInstallMSecs(const QList<PluginRecord*>& records,
                                                              InstantCache& instants)
{
    QHash<QString, qint64> latest;
    for (const PluginRecord* record : records) {
        if (!record)
            continue;
        qint64 recordLatest = noDate;
        for (const PluginInstall* install : record->installs())
            if (install->isFound() && install->installDate().isValid())
                recordLatest = std::max(recordLatest, instants.msecsSinceEpoch(install->installDate()));
        auto entry = latest.find(record->publisher());
        if (entry == latest.end())
            latest.insert(record->publisher(), recordLatest);
        else
            entry.value() = std::max(entry.value(), recordLatest);
    }
    return latest;
}

QHash<QString, QDateTime> DashboardViewModel::latestInstallByPublisher(const QList<PluginRecord*>& records)
{
    InstantCache instants;
    const QHash<QString, qint64> latest = latestInstallMSecs(records, instants);
    QHash<QString, QDateTime> result;
    result.reserve(latest.size());
    for (auto it = latest.cbegin(); it != latest.cend(); ++it)
        result.insert(it.key(), it.value() == noDate ? earliestDate() : QDateTime::fromMSecsSinceEpoch(it.value(), Qt::UTC));
    return result;
}

bool DashboardViewModel::isPossiblyOutdated(const PluginRecord& record,
                                            const QHash<QString, QDateTime>& latestByPublisher)
{
    return record.hasInstallOlderThanAYear(latestByPublisher.value(record.publisher(), earliestDate()));
}

QDateTime DashboardViewModel::earliestDate()
{
    return QDateTime(QDate(1, 1, 1), QTime(0, 0), Qt::UTC);
}
