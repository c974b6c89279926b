#pragma once

#include "sample/Lv2BundleWriter.h"

#include <QSet>
#include <QString>
#include <QStringList>

class DemoStamps;

// The Linux side of the sample library, under the same root as the macOS folders: a Debian
// system's plug-in folders, the user's own folders, a Wine prefix with Windows plug-ins and
// yabridge's copies of them, and a package's folder linked under two names.
class LinuxDemoTree {
public:
    struct Result {
        bool ok = false;
        int bundles = 0; // plug-in bundles and files; helpers, links, copies and preset bundles aside
    };

    // The fixed set, then `generated` more bundles drawn from the seed.
    [[nodiscard]] static Result write(const QString& root, int generated, quint64 seed, DemoStamps& stamps);

    // The standard plug-in folders the tree fills, relative to the root, to grant for a scan.
    static QStringList pluginFolders();

    // An LV2 bundle of one to five plug-ins with their seeAlso files, its path only its folder's
    // name, named apart from `usedNames`; for the sample library and the LV2 benchmark.
    static Lv2BundleSpec generatedLv2Bundle(int index, quint64 seed, QSet<QString>& usedNames);
};
