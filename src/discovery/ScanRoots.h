#pragma once

#include "model/PluginFormat.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <utility>

// Where the standard plug-in locations live: "/" and the account's home on a real system,
// a mounted or generated tree in tests and with --system-root / --home.
struct ScanRoots {
    ScanRoots(QString system = QStringLiteral("/"), QString homeFolder = {})
        : systemRoot(std::move(system))
        , home(std::move(homeFolder))
    {
    }

    QString systemRoot;
    QString home;
    // The folders VST3_PATH, CLAP_PATH, LV2_PATH, VST_PATH and LADSPA_PATH name, by the format
    // they hold, and WINEPREFIX: read once by the front end, never by the scanner itself.
    QMap<PluginFormat, QStringList> environmentFolders;
    QString winePrefix;

    // These roots with the environment's plug-in folders and Wine prefix.
    [[nodiscard]] ScanRoots withEnvironment() const;

    // The home directory of the account's password entry, else QDir::homePath().
    static QString accountHome();
    static ScanRoots standard() { return {QStringLiteral("/"), accountHome()}; }

    // systemRoot + an absolute macOS path, without doubling the separator.
    QString underSystem(const QString& absolutePath) const;
    QString underHome(const QString& relativePath) const;
};
