#pragma once

#include "discovery/FolderBookmark.h"
#include "discovery/PluginScanner.h"

#include "BundleTree.h"

#include <QMap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A generated macOS-like system root and home folder in a temporary folder.
class ScanFixture : public ::testing::Test {
protected:
    static inline const QString plugIns = QStringLiteral("/Library/Audio/Plug-Ins");
    static inline const QString avid = QStringLiteral("/Library/Application Support/Avid/Audio/Plug-Ins");

    ScanFixture()
        : m_roots{m_dir.filePath(QStringLiteral("mac")), m_dir.filePath(QStringLiteral("mac/Users/tester"))}
    {
        QDir().mkpath(m_roots.home);
    }

    QString sys(const QString& path) const { return m_roots.underSystem(path); }
    QString home(const QString& path) const { return m_roots.underHome(path); }
    QString other(const QString& relative) const { return m_dir.filePath(relative); }

    static QMap<QString, QByteArray> grants(const QStringList& folders)
    {
        QMap<QString, QByteArray> map;
        for (const QString& folder : folders)
            map.insert(folder, FolderBookmark::create(folder));
        return map;
    }

    PluginScanResult scanResult(const QMap<QString, QByteArray>& grantMap) const
    {
        PluginScanner scanner(m_roots);
        QFuture<PluginScanResult> future = scanner.scan(grantMap);
        future.waitForFinished();
        return future.isCanceled() ? PluginScanResult() : future.result();
    }

    QList<ScannedPlugin> scan(const QMap<QString, QByteArray>& grantMap) const { return scanResult(grantMap).plugins; }

    QList<ScannedPlugin> scan(const QStringList& folders) const { return scan(grants(folders)); }

    // Found bundles as path (relative to the temporary folder) → format, which also proves
    // that no path is reported twice.
    QMap<QString, PluginFormat> found(const QList<ScannedPlugin>& plugins) const
    {
        QMap<QString, PluginFormat> map;
        for (const ScannedPlugin& plugin : plugins) {
            const QString relative = QDir(m_dir.path()).relativeFilePath(plugin.filePath);
            EXPECT_FALSE(map.contains(relative)) << relative.toStdString();
            map.insert(relative, plugin.format);
        }
        return map;
    }

    QTemporaryDir m_dir;
    ScanRoots m_roots;
};
