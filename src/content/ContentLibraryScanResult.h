#pragma once

#include "content/ContentLibraryItemInfo.h"
#include "discovery/UnreadableFolder.h"
#include "model/ContentLibraryStatus.h"

#include <QDateTime>
#include <QList>
#include <QString>

// What one content root measured; `path` is the target's stored path, unchanged.
struct ContentLibraryScanResult {
    QString path;
    qint64 totalBytes = 0;
    ContentLibraryStatus status = ContentLibraryStatus::notFound;
    QDateTime scannedAt;
    QList<ContentLibraryItemInfo> items;
    // The root, or folders in it, that could not be listed; each once, in the order met.
    QList<UnreadableFolder> unreadableFolders;

    bool operator==(const ContentLibraryScanResult&) const = default;
};
