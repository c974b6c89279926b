#pragma once

#include "model/ContentLibraryStatus.h"

#include <QDateTime>
#include <QString>

// One library found under a content root, measured.
struct ContentLibraryItemInfo {
    QString rootPath;
    QString path;
    QString name;
    QString publisher;
    qint64 totalBytes = 0;
    ContentLibraryStatus status = ContentLibraryStatus::found;
    QDateTime scannedAt;

    bool operator==(const ContentLibraryItemInfo&) const = default;
};
