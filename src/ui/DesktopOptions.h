#pragma once

#include "discovery/ScanRoots.h"

#include <QString>

// How the command line starts the desktop application.
struct DesktopOptions {
    // The catalogue file; empty means the user's catalogue, or the demo catalogue with `demo`.
    QString storePath;
    // Where the standard plug-in folders are; `demo` replaces them by the sample library's.
    ScanRoots roots = ScanRoots::standard();
    // Opens on the sample library, written first when missing, with its folders granted.
    bool demo = false;
    // The sample library's folder; empty means one in the application's data folder.
    QString demoLibraryPath;
};
