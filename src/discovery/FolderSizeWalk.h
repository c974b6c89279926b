#pragma once

#include "discovery/UnreadableFolder.h"

#include <QList>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <memory>

// A parallel size walk that can be fed while it runs: each added folder is measured as
// directorySize measures it, by the walkers of the device holding the first one, and the calling
// thread joins them in finish(). A folder may bring a task that the walker taking it runs first,
// so describing a bundle overlaps the walk that finds the next ones. Sums do not depend on the
// order folders are read in, so any interleaving gives the serial result.
class FolderSizeWalk {
public:
    // `isCancelled` is asked by the walkers before each folder; once it says so they stop, with
    // the sizes so far incomplete. `finished` is told each added folder's index once it is
    // measured, one call at a time, from whichever walker finished it.
    explicit FolderSizeWalk(std::function<bool()> isCancelled = {}, std::function<void(qsizetype)> finished = {});
    ~FolderSizeWalk();
    FolderSizeWalk(const FolderSizeWalk&) = delete;
    FolderSizeWalk& operator=(const FolderSizeWalk&) = delete;

    // Queues `path` and returns its index. `before` runs on a walker just before it is listed, and
    // not at all once the walk is cancelled; when it says false, the folder is left unlisted, at 0.
    qsizetype add(const QString& path, std::function<bool()> before = {});
    // Walks along until every folder added is measured, then gives their sizes by index. With
    // `unreadable`, the folders that could not be listed are added to it, by index, then by path,
    // and with `roots` the index each one was found under. Nothing may be added afterwards.
    QList<qint64> finish(QList<UnreadableFolder>* unreadable = nullptr, QList<qsizetype>* roots = nullptr);

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
    bool m_finished = false;
};
