#include "store/UpsertCoordinator.h"

#include "model/CatalogStore.h"
#include "model/Diagnostics.h"
#include "presentation/PluginGrouper.h"
#include "store/InstallKey.h"
#include "store/PublisherForms.h"
#include "store/RecordKey.h"
#include "store/ScannedPluginRow.h"
#include "store/VersionOrder.h"

#include <QHash>
#include <QSet>

#include <optional>
#include <vector>

namespace {

int recordScore(const PluginRecord* record) {
    return (record->notes().isEmpty() ? 0 : 4) + (record->isFavorite() ? 3 : 0) +
           (record->tags().isEmpty() ? 0 : 2) + (record->bundleDescription().isEmpty() ? 0 : 1) +
           int(record->installs().size());
}

// Breaks score ties between duplicates. The persistent id is hashed with a fixed seed, so the
// choice is the same on every run over the same catalogue.
size_t identityHash(const PluginRecord* record) {
    return qHash(record->id(), size_t(0));
}

InstallKey installKey(const PluginInstall* install) {
    return {install->filePath(), install->format(), install->pluginIdentifier()};
}

PluginRecord* chooseSurvivor(const QList<PluginRecord*>& group) {
    PluginRecord* best = group.first();
    int bestScore = recordScore(best);
    for (qsizetype i = 1; i < group.size(); ++i) {
        PluginRecord* candidate = group[i];
        const int score = recordScore(candidate);
        if (score > bestScore || (score == bestScore && identityHash(candidate) < identityHash(best))) {
            best = candidate;
            bestScore = score;
        }
    }
    return best;
}

void mergeInto(PluginRecord* survivor, PluginRecord* duplicate) {
    QSet<InstallKey> survivorKeys;
    for (const PluginInstall* install : survivor->installs())
        survivorKeys.insert(installKey(install));
    // Installs the survivor already has go down with the duplicate.
    for (PluginInstall* install : duplicate->installs())
        if (!survivorKeys.contains(installKey(install)))
            install->setGroup(survivor);

    if (duplicate->isFavorite())
        survivor->setIsFavorite(true);

    const QString notes = duplicate->notes();
    if (survivor->notes().isEmpty())
        survivor->setNotes(notes);
    else if (!notes.isEmpty() && !survivor->notes().contains(notes))
        survivor->setNotes(survivor->notes() + QStringLiteral("\n\n") + notes);

    if (survivor->bundleDescription().isEmpty())
        survivor->setBundleDescription(duplicate->bundleDescription());
    if (survivor->category().isEmpty())
        survivor->setCategory(duplicate->category());

    for (Tag* tag : duplicate->tags()) {
        bool named = false;
        for (const Tag* own : survivor->tags())
            named = named || own->name() == tag->name();
        if (!named)
            survivor->addTag(tag);
    }
}

// Returns how many records of the group were deleted.
int consolidateGroup(CatalogStore& store, const QList<PluginRecord*>& group, PublisherForms& publishers) {
    PluginRecord* survivor = chooseSurvivor(group);
    for (const PluginRecord* record : group) {
        if (const std::optional<QString> display = publishers.of(record->publisher()).knownDisplay) {
            survivor->setPublisher(*display);
            break;
        }
    }
    int deleted = 0;
    for (PluginRecord* duplicate : group) {
        if (duplicate == survivor)
            continue;
        mergeInto(survivor, duplicate);
        store.remove(duplicate);
        ++deleted;
    }
    return deleted;
}

void applyScan(PluginInstall* install, const ScannedPlugin& scanned) {
    install->setVersion(scanned.version);
    install->setArchitecture(scanned.architecture);
    install->setFileSize(scanned.fileSize);
    install->setDateModified(scanned.dateModified);
    install->setInstallDate(scanned.installDate);
    install->setBundleID(scanned.bundleID);
    install->setAuComponentType(scanned.auComponentType);
    install->setAuComponentSubType(scanned.auComponentSubType);
    install->setAuComponentManufacturer(scanned.auComponentManufacturer);
    install->setPlatform(scanned.platform);
    install->setIsBridged(scanned.isBridged);
    install->setStatus(InstallStatus::found);
}

// Grouping names its members by path; the plug-ins sharing one bundle need a path each.
QString groupingPath(const ScannedPlugin& plugin) {
    return plugin.pluginIdentifier.isEmpty() ? plugin.filePath : plugin.filePath + u'\n' + plugin.pluginIdentifier;
}

StoreResult consolidate(CatalogStore& store, UpsertSummary* summary, PublisherForms& publishers) {
    const QList<PluginRecord*> records = store.records();

    // Groups keep fetch order, and so do the records within them.
    QHash<RecordKey, qsizetype> groupIndex;
    QList<QList<PluginRecord*>> groups;
    groupIndex.reserve(records.size());
    for (PluginRecord* record : records) {
        const RecordKey key = publishers.recordKey(record->name(), record->publisher());
        const auto found = groupIndex.constFind(key);
        if (found == groupIndex.cend()) {
            groupIndex.insert(key, groups.size());
            groups.append({record});
        } else {
            groups[*found].append(record);
        }
    }

    int deleted = 0;
    for (const QList<PluginRecord*>& group : std::as_const(groups))
        if (group.size() > 1)
            deleted += consolidateGroup(store, group, publishers);
    if (summary)
        summary->recordsConsolidated = deleted;
    if (deleted > 0) {
        if (StoreResult saved = store.save(); !saved)
            return saved;
        Diagnostics::print(
            QStringLiteral("[UpsertCoordinator] Consolidated %1 duplicate PluginRecords, deleted %1.")
                .arg(deleted));
    }

    int canonicalized = 0;
    for (PluginRecord* record : records) {
        if (record->isDeleted())
            continue;
        const std::optional<QString> display = publishers.of(record->publisher()).knownDisplay;
        if (display && *display != record->publisher()) {
            record->setPublisher(*display);
            ++canonicalized;
        }
    }
    if (canonicalized > 0) {
        if (StoreResult saved = store.save(); !saved)
            return saved;
        Diagnostics::print(
            QStringLiteral("[UpsertCoordinator] Canonicalized publisher display on %1 records.")
                .arg(canonicalized));
    }
    return StoreResult::success();
}

} // namespace

StoreResult UpsertCoordinator::consolidateDuplicates(CatalogStore& store, UpsertSummary* summary) {
    PublisherForms publishers;
    return consolidate(store, summary, publishers);
}

StoreResult UpsertCoordinator::upsert(const QList<ScannedPlugin>& scanned, CatalogStore& store,
                                      UpsertSummary* summary) {
    UpsertSummary counts;
    const auto report = [&](StoreResult result) {
        if (summary)
            *summary = counts;
        return result;
    };
    PublisherForms publishers;
    if (StoreResult consolidated = consolidate(store, &counts, publishers); !consolidated)
        return report(consolidated);

    QList<RawPlugin> rows;
    rows.reserve(scanned.size());
    for (const ScannedPlugin& plugin : scanned) {
        rows.append(rawPluginFromScanned(plugin));
        rows.last().path = groupingPath(plugin);
    }
    QHash<QString, QString> groupNameByPath;
    groupNameByPath.reserve(scanned.size());
    for (const PluginGroup& group : PluginGrouper().group(rows))
        for (const QString& path : group.paths)
            groupNameByPath.insert(path, group.name);

    const QList<PluginRecord*> records = store.records();
    const QList<PluginInstall*> installs = store.installs();
    QHash<RecordKey, PluginRecord*> recordsByKey;
    recordsByKey.reserve(records.size() + scanned.size());
    for (PluginRecord* record : records)
        recordsByKey.insert(publishers.recordKey(record->name(), record->publisher()), record);
    QHash<InstallKey, PluginInstall*> installsByKey;
    installsByKey.reserve(installs.size() + scanned.size());
    for (PluginInstall* install : installs)
        installsByKey.insert(installKey(install), install);

    // Records first, saved on their own, so that a failure with the installs keeps them.
    std::vector<RecordKey> keys;
    keys.reserve(std::size_t(scanned.size()));
    QSet<PluginRecord*> touched;
    QList<PluginRecord*> touchedInOrder;
    for (const ScannedPlugin& plugin : scanned) {
        const QString name = groupNameByPath.value(groupingPath(plugin), plugin.name);
        keys.push_back(publishers.recordKey(name, plugin.publisher));
        const QString display = publishers.of(plugin.publisher).display;
        PluginRecord*& record = recordsByKey[keys.back()];
        if (record) {
            record->setName(name);
            record->setPublisher(display);
        } else {
            record = store.insert(new PluginRecord(name, display));
            ++counts.recordsCreated;
        }
        if (!touched.contains(record)) {
            touched.insert(record);
            touchedInOrder.append(record);
        }
        if (record->category().isEmpty())
            record->setCategory(plugin.category);
        if (record->bundleDescription().isEmpty())
            record->setBundleDescription(plugin.bundleDescription);
    }
    if (StoreResult saved = store.save(); !saved)
        return report(saved);

    QSet<InstallKey> seenInstallKeys;
    seenInstallKeys.reserve(scanned.size());
    for (qsizetype i = 0; i < scanned.size(); ++i) {
        const ScannedPlugin& plugin = scanned[i];
        const InstallKey key{plugin.filePath, plugin.format, plugin.pluginIdentifier};
        seenInstallKeys.insert(key);
        PluginRecord* record = recordsByKey.value(keys[std::size_t(i)]);
        if (!record)
            continue;
        PluginInstall*& install = installsByKey[key];
        if (install) {
            if (install->status() == InstallStatus::notFound)
                ++counts.installsFoundAgain;
            applyScan(install, plugin);
        } else {
            install = new PluginInstall(plugin.filePath, plugin.format);
            install->setPluginIdentifier(plugin.pluginIdentifier);
            applyScan(install, plugin);
            store.insert(install);
            ++counts.installsCreated;
        }
        install->setGroup(record);
    }

    for (auto it = installsByKey.cbegin(); it != installsByKey.cend(); ++it) {
        if (it.value()->isFound() && !seenInstallKeys.contains(it.key())) {
            it.value()->setStatus(InstallStatus::notFound);
            ++counts.installsMarkedNotFound;
        }
    }

    // Every touched record, those created above included, so none waits for the next refresh.
    for (PluginRecord* record : std::as_const(touchedInOrder))
        record->setDisplayVersion(highestVersion(record->installs()));

    return report(store.save());
}

QString UpsertCoordinator::highestVersion(const QList<PluginInstall*>& installs) {
    const PluginInstall* best = nullptr;
    std::vector<qint64> bestNumbers;
    for (const PluginInstall* install : installs) {
        if (!install->isFound())
            continue;
        std::vector<qint64> numbers = VersionOrder::numbers(install->version());
        if (!best || VersionOrder::precedes(bestNumbers, numbers)) {
            best = install;
            bestNumbers = std::move(numbers);
        }
    }
    return best ? best->version() : QString();
}

bool UpsertCoordinator::versionPrecedes(const QString& a, const QString& b) {
    return VersionOrder::precedes(VersionOrder::numbers(a), VersionOrder::numbers(b));
}
