#pragma once

#include "discovery/UnreadableFolder.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <functional>

class DirectoryReader;
class QThreadPool;

// Sum of the logical sizes of the regular files under a folder (a symlink counts its own size,
// as `du --apparent-size` does). Hidden entries and everything inside hidden folders are skipped;
// links are never followed. An unreadable folder adds 0 and, with `unreadable`, is added to it.
// Walks on the calling thread alone.
qint64 directorySize(const QString& folderPath, QList<UnreadableFolder>* unreadable = nullptr);

// The logical sizes of the files directly in `path` (followed when it is a link and `isRoot`);
// its visible subfolders go to `subfolders`, and the errno of a folder that is there but cannot
// be listed to `error` (0 otherwise).
qint64 filesSizeIn(const QByteArray& path, bool isRoot, QList<QByteArray>& subfolders, int& error);
// The same for a folder already open in `reader`; its visible subfolders' names go to `subfolderNames`.
qint64 filesSizeIn(DirectoryReader& reader, QList<QByteArray>& subfolderNames);
// errno of a folder that `reader` found but could not open; 0 when it is open or is gone.
int listingError(const DirectoryReader& reader);

// directorySize of each folder, in the given order, walked by the pool of walkers so that several
// folder reads are in flight at once. Stops early, with the sizes so far incomplete, once
// `isCancelled` (called from the walkers) says so. `finished` is told each folder's index once
// it is measured, one call at a time, from whichever walker finished it. With `unreadable`, the
// folders that could not be listed are added to it, by root in the given order, then by path.
QList<qint64> directorySizes(const QStringList& folderPaths, const std::function<bool()>& isCancelled = {},
                             const std::function<void(qsizetype)>& finished = {},
                             QList<UnreadableFolder>* unreadable = nullptr);

// The helpers of a thread that walks the device holding `path`: with that thread they make twice
// as many walkers as cores, at least 4, except on a spinning disk, which gets 4.
QThreadPool& walkersFor(const QString& path);
