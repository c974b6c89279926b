#pragma once

#include "presentation/ContentUsage.h"
#include "presentation/FormatUsage.h"
#include "presentation/FoundInstallSnapshot.h"
#include "presentation/InstantCache.h"
#include "presentation/PluginGrouper.h"
#include "presentation/PublisherUsage.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QVariantList>

class ContentLibraryFolder;
class ContentLibraryItem;
class PluginRecord;

// The dashboard's figures, recomputed by compute() or by part (computePlugins, computeContent);
// the plug-in figures stand while the found installs' fields do, and the grouping behind the
// group counts while its rows stay the same. Only found installs count; content
// figures come from the libraries found inside the content roots, or from the roots themselves
// when none was recognised, never from both. Usage lists are largest first, ties in first-seen
// order (formats: canonical order), and are not truncated.
class DashboardViewModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(int totalGroups READ totalGroups NOTIFY totalGroupsChanged)
    Q_PROPERTY(int totalInstalls READ totalInstalls NOTIFY totalInstallsChanged)
    Q_PROPERTY(qint64 totalBytes READ totalBytes NOTIFY totalBytesChanged)
    Q_PROPERTY(int rosettaOnlyCount READ rosettaOnlyCount NOTIFY rosettaOnlyCountChanged)
    Q_PROPERTY(int possiblyOutdatedCount READ possiblyOutdatedCount NOTIFY possiblyOutdatedCountChanged)
    Q_PROPERTY(qint64 contentBytes READ contentBytes NOTIFY contentBytesChanged)
    Q_PROPERTY(QVariantList byPublisher READ byPublisherModel NOTIFY byPublisherChanged)
    Q_PROPERTY(QVariantList byFormat READ byFormatModel NOTIFY byFormatChanged)
    Q_PROPERTY(QVariantList contentByPublisher READ contentByPublisherModel NOTIFY contentByPublisherChanged)
    Q_PROPERTY(QVariantList contentByLibrary READ contentByLibraryModel NOTIFY contentByLibraryChanged)

public:
    explicit DashboardViewModel(QObject* parent = nullptr);

    [[nodiscard]] int totalGroups() const { return m_totalGroups; }
    [[nodiscard]] int totalInstalls() const { return m_totalInstalls; }
    [[nodiscard]] qint64 totalBytes() const { return m_totalBytes; }
    // Groups with Intel code and no Apple Silicon code.
    [[nodiscard]] int rosettaOnlyCount() const { return m_rosettaOnlyCount; }
    [[nodiscard]] int possiblyOutdatedCount() const { return m_possiblyOutdatedCount; }
    [[nodiscard]] qint64 contentBytes() const { return m_contentBytes; }
    [[nodiscard]] const QList<PublisherUsage>& byPublisher() const { return m_byPublisher; }
    [[nodiscard]] const QList<FormatUsage>& byFormat() const { return m_byFormat; }
    [[nodiscard]] const QList<PublisherUsage>& contentByPublisher() const { return m_contentByPublisher; }
    [[nodiscard]] const QList<ContentUsage>& contentByLibrary() const { return m_contentByLibrary; }

    // The lists as lists of maps (toVariantMap of each entry), for QML and JSON.
    [[nodiscard]] QVariantList byPublisherModel() const;
    [[nodiscard]] QVariantList byFormatModel() const;
    [[nodiscard]] QVariantList contentByPublisherModel() const;
    [[nodiscard]] QVariantList contentByLibraryModel() const;

    // The three lists in the store's order.
    void compute(const QList<PluginRecord*>& records, const QList<ContentLibraryFolder*>& folders,
                 const QList<ContentLibraryItem*>& items);
    // The plug-in figures only: counts, bytes, publishers and formats.
    void computePlugins(const QList<PluginRecord*>& records);
    // The content figures only.
    void computeContent(const QList<ContentLibraryFolder*>& folders, const QList<ContentLibraryItem*>& items);
    // How many times groups were built.
    [[nodiscard]] int groupingCount() const { return m_groupingCount; }

    // Per stored publisher text (exact), the latest install date among the found installs of its
    // records; a publisher whose records have none maps to earliestDate().
    [[nodiscard]] static QHash<QString, QDateTime> latestInstallByPublisher(const QList<PluginRecord*>& records);
    // A record whose earliest found install lies more than 365 days before its publisher's latest.
    [[nodiscard]] static bool isPossiblyOutdated(const PluginRecord& record,
                                                 const QHash<QString, QDateTime>& latestByPublisher);
    // The stand-in for "no date": 1 January of year 1, UTC.
    [[nodiscard]] static QDateTime earliestDate();

Q_SIGNALS:
    void totalGroupsChanged();
    void totalInstallsChanged();
    void totalBytesChanged();
    void rosettaOnlyCountChanged();
    void possiblyOutdatedCountChanged();
    void contentBytesChanged();
    void byPublisherChanged();
    void byFormatChanged();
    void contentByPublisherChanged();
    void contentByLibraryChanged();

private:
    template <typename T> void assign(T& member, T&& value, void (DashboardViewModel::*signal)());
    // Per publisher, the latest found install in milliseconds since the epoch (minimum: none).
    static QHash<QString, qint64> latestInstallMSecs(const QList<PluginRecord*>& records, InstantCache& instants);

    PluginGrouper m_grouper;
    InstantCache m_instants;
    // The grouping's input and its two figures, kept while the rows stay the same.
    FoundInstallSnapshot m_inputs;
    QList<RawPlugin> m_rows;
    QDate m_groupedOn;
    int m_groupingCount = 0;
    int m_groupCount = 0;
    int m_rosettaGroups = 0;
    int m_totalGroups = 0;
    int m_totalInstalls = 0;
    qint64 m_totalBytes = 0;
    int m_rosettaOnlyCount = 0;
    int m_possiblyOutdatedCount = 0;
    qint64 m_contentBytes = 0;
    QList<PublisherUsage> m_byPublisher;
    QList<FormatUsage> m_byFormat;
    QList<PublisherUsage> m_contentByPublisher;
    QList<ContentUsage> m_contentByLibrary;
};
