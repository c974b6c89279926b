#include "discovery/DirectorySize.h"

#include "discovery/DirectoryReader.h"

#include <QFile>
#include <QList>

#include <fcntl.h>
#include <sys/stat.h>

qint64 directorySize(const QString& folderPath)
{
    // Iterative, one open folder at a time: depth costs neither stack nor descriptors.
    QList<QByteArray> pending{QFile::encodeName(folderPath)};
    bool isRoot = true;
    qint64 total = 0;
    while (!pending.isEmpty()) {
        const QByteArray path = pending.takeLast();
        DirectoryReader reader(path, isRoot);
        isRoot = false;
        DirectoryReader::Entry entry;
        while (reader.next(entry)) {
            switch (entry.kind) {
            case DirectoryReader::Kind::directory:
                pending.append(DirectoryReader::childPath(path, entry.name));
                break;
            case DirectoryReader::Kind::regular:
            case DirectoryReader::Kind::symlink: {
                struct stat info {};
                if (::fstatat(reader.fd(), entry.name, &info, AT_SYMLINK_NOFOLLOW) == 0)
                    total += qint64(info.st_size);
                break;
            }
            case DirectoryReader::Kind::other: break;
            }
        }
    }
    return total;
}
