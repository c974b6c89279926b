#pragma once

#include <QtGlobal>
#include <QString>

// Sum of the logical sizes of the regular files under a folder (a symlink counts its own size,
// as `du --apparent-size` does). Hidden entries and everything inside hidden folders are skipped;
// links are never followed. An unreadable folder adds 0.
qint64 directorySize(const QString& folderPath);
