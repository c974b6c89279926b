#include "store/RefreshSummary.h"

#include "model/BundleByteTotal.h"
#include "model/ByteCountFormat.h"
#include "model/CatalogStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

QString installKey(const PluginInstall& install) {
    return install.filePath() + u'\n' + rawValue(install.format());
}

bool isFound(const PluginInstall& install) {
    return install.status() == InstallStatus::found;
}

QString line(const QString& label, qint64 count) {
    return QStringLiteral("%1 %2\n").arg(label + u':', -22).arg(count, 6);
}

QString pathLines(const QStringList& paths) {
    QString text;
    for (const QString& path : paths)
        text += QStringLiteral("    ") + path + u'\n';
    return text;
}

} // namespace

RefreshSummary::Snapshot RefreshSummary::snapshot(const CatalogStore& store) {
    Snapshot statuses;
    for (const PluginInstall* install : store.installs())
        statuses.insert(installKey(*install), isFound(*install));
    return statuses;
}

RefreshSummary RefreshSummary::after(const Snapshot& before, const UpsertSummary& changes,
                                     const CatalogStore& store) {
    RefreshSummary summary = totalsOf(store);
    summary.changes = changes;
    for (const PluginInstall* install : store.installs()) {
        const auto previous = before.constFind(installKey(*install));
        if (previous == before.constEnd() || *previous == isFound(*install))
            continue;
        (isFound(*install) ? summary.foundAgainPaths : summary.missingPaths).append(install->filePath());
    }
    std::sort(summary.missingPaths.begin(), summary.missingPaths.end());
    std::sort(summary.foundAgainPaths.begin(), summary.foundAgainPaths.end());
    return summary;
}

RefreshSummary RefreshSummary::totalsOf(const CatalogStore& store) {
    RefreshSummary summary;
    BundleByteTotal bundleBytes;
    for (const PluginRecord* record : store.records()) {
        const QList<PluginInstall*> found = record->foundInstalls();
        if (found.isEmpty())
            continue;
        ++summary.plugins;
        summary.installs += int(found.size());
        for (const PluginInstall* install : found)
            summary.pluginBytes += bundleBytes.add(*install);
    }
    for (const ContentLibraryItem* item : store.contentItems()) {
        if (item->status() != ContentLibraryStatus::found)
            continue;
        ++summary.contentLibraries;
        summary.contentBytes += item->totalBytes();
    }
    return summary;
}

QString RefreshSummary::progressText(int foldersWalked, int bundlesFound, int librariesMeasured) {
    QString text = QStringLiteral("%1 folders walked, %2 bundles found").arg(foldersWalked).arg(bundlesFound);
    if (librariesMeasured > 0)
        text += QStringLiteral(", %1 content libraries measured").arg(librariesMeasured);
    return text;
}

QString RefreshSummary::briefText() const {
    QStringList parts;
    const auto count = [&parts](int value, const char* one, const char* many) {
        if (value > 0)
            parts.append(QStringLiteral("%1 %2").arg(value).arg(QLatin1String(value == 1 ? one : many)));
    };
    count(changes.recordsCreated, "new plug-in", "new plug-ins");
    count(changes.installsCreated, "new install", "new installs");
    count(changes.installsMarkedNotFound, "missing", "missing");
    count(changes.installsFoundAgain, "found again", "found again");
    count(changes.recordsConsolidated, "duplicate merged", "duplicates merged");
    return parts.isEmpty() ? QStringLiteral("No changes") : parts.join(QStringLiteral(", "));
}

QString RefreshSummary::unreadableText() const {
    if (unreadableFolders.isEmpty())
        return {};
    const qsizetype count = unreadableFolders.size();
    return QStringLiteral("Could not read %1 %2").arg(count).arg(count == 1 ? QStringLiteral("folder")
                                                                              : QStringLiteral("folders"));
}

QString RefreshSummary::text() const {
    return line(QStringLiteral("New plug-ins"), changes.recordsCreated) +
           line(QStringLiteral("New installs"), changes.installsCreated) +
           line(QStringLiteral("Installs now missing"), changes.installsMarkedNotFound) + pathLines(missingPaths) +
           line(QStringLiteral("Installs found again"), changes.installsFoundAgain) + pathLines(foundAgainPaths) +
           (changes.recordsConsolidated > 0 ? line(QStringLiteral("Duplicates merged"), changes.recordsConsolidated)
                                            : QString()) +
           u'\n' + totalsText();
}

QString RefreshSummary::totalsText() const {
    return line(QStringLiteral("Plug-ins"), plugins) +
           line(QStringLiteral("Installs found"), installs).chopped(1) +
           QStringLiteral("  %1\n").arg(formatByteCount(pluginBytes)) +
           line(QStringLiteral("Content libraries"), contentLibraries).chopped(1) +
           QStringLiteral("  %1\n").arg(formatByteCount(contentBytes));
}

QString RefreshSummary::json() const {
    const QJsonObject object{
        {QStringLiteral("newPlugins"), changes.recordsCreated},
        {QStringLiteral("newInstalls"), changes.installsCreated},
        {QStringLiteral("installsMissing"), changes.installsMarkedNotFound},
        {QStringLiteral("installsFoundAgain"), changes.installsFoundAgain},
        {QStringLiteral("duplicatesMerged"), changes.recordsConsolidated},
        {QStringLiteral("missingPaths"), QJsonArray::fromStringList(missingPaths)},
        {QStringLiteral("foundAgainPaths"), QJsonArray::fromStringList(foundAgainPaths)},
        {QStringLiteral("plugins"), plugins},
        {QStringLiteral("installs"), installs},
        {QStringLiteral("pluginBytes"), pluginBytes},
        {QStringLiteral("contentLibraries"), contentLibraries},
        {QStringLiteral("contentBytes"), contentBytes},
    };
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented));
}
