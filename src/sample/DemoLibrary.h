#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// A realistic plug-in tree laid out as a macOS system root: the system and user plug-in folders,
// the Avid folder, an external drive with vendor folders, and a drive of sample libraries; beside
// them, under the same root, a Linux system's and the user's Linux plug-in folders and a Wine
// prefix. The same options always give the same tree; sizes come from sparse files, so it is
// quick to write.
class DemoLibrary {
public:
    static constexpr int defaultBundleCount = 60;

    struct Options {
        int bundles = defaultBundleCount;
        quint64 seed = 1;
        // Modification dates lie up to three years before this; invalid means the start of today (UTC).
        QDateTime reference;
    };

    struct Result {
        bool ok = false;
        QString error;   // a sentence for the user when not ok
        int bundles = 0;      // plug-in bundles and plug-in files written, broken ones included
        int linuxBundles = 0; // of those, the ones built for Linux or Windows
        int brokenBundles = 0;
        int contentLibraries = 0;
        qint64 files = 0; // regular files in the whole tree
        qint64 logicalBytes = 0;
    };

    // Writes into `root`, which must be missing or empty.
    [[nodiscard]] static Result write(const QString& root, const Options& options);
    [[nodiscard]] static Result write(const QString& root);

    static QString userName();
    static QString homeFolder(const QString& root);
    static QString driveFolder(const QString& root);
    static QString contentFolder(const QString& root);
    // The folders to grant for a scan of everything: the standard plug-in folders of the system
    // and the user, the system Avid folder, the external drive, then the Linux and Wine folders.
    static QStringList pluginFolders(const QString& root);
};
