#pragma once

#include <QByteArray>
#include <QString>

// A stored content root and the grant that opens it.
struct ContentLibraryScanTarget {
    QString path;
    QByteArray bookmarkData;

    bool operator==(const ContentLibraryScanTarget&) const = default;
};
