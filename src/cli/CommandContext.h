#pragma once

#include "discovery/ScanRoots.h"

#include <QString>

// What the global options and the dispatcher hand to every command.
struct CommandContext {
    ScanRoots roots;
    QString storePath; // the catalogue file, absolute
    QString usage; // the command's help text, repeated on a usage error
};
