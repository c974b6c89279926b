#pragma once

#include <QString>

// Where the standard plug-in locations live: "/" and the account's home on a real system,
// a mounted or generated macOS tree in tests and with --system-root / --home.
struct ScanRoots {
    QString systemRoot = QStringLiteral("/");
    QString home;

    // The home directory of the account's password entry, else QDir::homePath().
    static QString accountHome();
    static ScanRoots standard() { return {QStringLiteral("/"), accountHome()}; }

    // systemRoot + an absolute macOS path, without doubling the separator.
    QString underSystem(const QString& absolutePath) const;
    QString underHome(const QString& relativePath) const;
};
