#pragma once

#include "store/PluginStore.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QtQml/qqmlregistration.h>

// What the window tells about refreshing: the progress while one runs, then the summary the
// command line prints, the time of the last scan, and why nothing was found when nothing was.
class RefreshStatus : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(PluginStore* pluginStore READ pluginStore WRITE setPluginStore NOTIFY pluginStoreChanged)
    Q_PROPERTY(bool isScanning READ isScanning NOTIFY changed)
    // "Refreshing: 12 folders walked, 30 bundles found" while a refresh runs, else "".
    Q_PROPERTY(QString progressText READ progressText NOTIFY changed)
    // "3 new plug-ins, 1 missing" after a refresh ended in this window, else "".
    Q_PROPERTY(QString summaryText READ summaryText NOTIFY changed)
    // "Last scan: <date and time>", or "" before the first scan in this window.
    Q_PROPERTY(QString lastScanText READ lastScanText NOTIFY changed)
    // Says that the last refresh found no plug-in and names the folders it looked in; else "".
    Q_PROPERTY(QString nothingFoundText READ nothingFoundText NOTIFY changed)
    Q_PROPERTY(QString errorText READ errorText NOTIFY changed)
    // "Could not read 2 folders" after a refresh ended in this window that met such folders, else "".
    Q_PROPERTY(QString unreadableText READ unreadableText NOTIFY changed)
    // Those folders in the order met, each as "<folder> — <reason>", shown in readable form.
    Q_PROPERTY(QStringList unreadableFolders READ unreadableFolders NOTIFY changed)

public:
    explicit RefreshStatus(QObject* parent = nullptr);

    [[nodiscard]] PluginStore* pluginStore() const { return m_pluginStore; }
    void setPluginStore(PluginStore* pluginStore);

    [[nodiscard]] bool isScanning() const;
    [[nodiscard]] QString progressText() const { return m_progressText; }
    [[nodiscard]] QString summaryText() const;
    [[nodiscard]] QString lastScanText() const;
    [[nodiscard]] QString nothingFoundText() const;
    [[nodiscard]] QString errorText() const;
    [[nodiscard]] QString unreadableText() const;
    [[nodiscard]] QStringList unreadableFolders() const;

Q_SIGNALS:
    void pluginStoreChanged();
    void changed();

private:
    void showProgress(int foldersWalked, int bundlesFound, int librariesMeasured);
    void refreshEnded();

    QPointer<PluginStore> m_pluginStore;
    QString m_progressText;
    bool m_finishedHere = false;
};
