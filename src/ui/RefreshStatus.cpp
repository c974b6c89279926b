#include "ui/RefreshStatus.h"

#include "model/FilePathBytes.h"

#include <QLocale>

RefreshStatus::RefreshStatus(QObject* parent) : QObject(parent) {}

void RefreshStatus::setPluginStore(PluginStore* pluginStore)
{
    if (m_pluginStore == pluginStore)
        return;
    if (m_pluginStore)
        disconnect(m_pluginStore, nullptr, this, nullptr);
    m_pluginStore = pluginStore;
    m_progressText.clear();
    m_finishedHere = false;
    if (m_pluginStore) {
        connect(m_pluginStore, &PluginStore::isScanningChanged, this, [this] {
            if (m_pluginStore->isScanning())
                showProgress(0, 0, 0);
        });
        connect(m_pluginStore, &PluginStore::progress, this, &RefreshStatus::showProgress);
        connect(m_pluginStore, &PluginStore::refreshFinished, this, &RefreshStatus::refreshEnded);
    }
    Q_EMIT pluginStoreChanged();
    Q_EMIT changed();
}

bool RefreshStatus::isScanning() const
{
    return m_pluginStore && m_pluginStore->isScanning();
}

QString RefreshStatus::summaryText() const
{
    if (!m_finishedHere || isScanning() || !errorText().isEmpty())
        return {};
    return m_pluginStore->lastSummary().briefText();
}

QString RefreshStatus::lastScanText() const
{
    if (!m_pluginStore || !m_pluginStore->lastScanDate().isValid())
        return {};
    return QStringLiteral("Last scan: ") +
           QLocale().toString(m_pluginStore->lastScanDate().toLocalTime(), QLocale::ShortFormat);
}

QString RefreshStatus::nothingFoundText() const
{
    if (!m_finishedHere || isScanning() || !errorText().isEmpty())
        return {};
    const RefreshSummary& summary = m_pluginStore->lastSummary();
    if (summary.bundlesScanned > 0)
        return {};
    if (summary.searchedFolders.isEmpty())
        return QStringLiteral("No plug-in folder is granted yet. Open Folders to grant the standard locations "
                              "or add a folder.");
    QStringList shown;
    for (const QString& folder : summary.searchedFolders)
        shown.append(FilePathBytes::displayForm(folder));
    return QStringLiteral("No plug-ins were found in %1: %2.")
        .arg(summary.searchedFolders.size() == 1 ? QStringLiteral("the granted folder")
                                                 : QStringLiteral("the granted folders"),
             shown.join(QStringLiteral(", ")));
}

QString RefreshStatus::errorText() const
{
    if (!m_pluginStore || m_pluginStore->lastError().isEmpty())
        return {};
    return QStringLiteral("The refresh failed: ") + m_pluginStore->lastError();
}

QString RefreshStatus::unreadableText() const
{
    if (!m_finishedHere || isScanning())
        return {};
    return m_pluginStore->lastSummary().unreadableText();
}

QStringList RefreshStatus::unreadableFolders() const
{
    if (!m_finishedHere || isScanning())
        return {};
    QStringList shown;
    for (const UnreadableFolder& folder : m_pluginStore->lastSummary().unreadableFolders)
        shown.append(FilePathBytes::displayForm(folder.path) + QStringLiteral(" \u2014 ") + folder.reason);
    return shown;
}

void RefreshStatus::showProgress(int foldersWalked, int bundlesFound, int librariesMeasured)
{
    m_progressText =
        QStringLiteral("Refreshing: ") + RefreshSummary::progressText(foldersWalked, bundlesFound, librariesMeasured);
    Q_EMIT changed();
}

void RefreshStatus::refreshEnded()
{
    m_progressText.clear();
    m_finishedHere = true;
    Q_EMIT changed();
}
