#include "discovery/DirectorySize.h"

#include "discovery/DirectoryReader.h"
#include "discovery/FolderSizeWalk.h"
#include "model/FilePathBytes.h"

#include <QFile>
#include <QList>
#include <QThread>
#include <QThreadPool>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <fcntl.h>

#include <cerrno>
#include <mutex>

int listingError(const DirectoryReader& reader)
{
    const int error = reader.error();
    return error == ENOENT || error == ENOTDIR ? 0 : error;
}

qint64 filesSizeIn(DirectoryReader& reader, QList<QByteArray>& subfolderNames)
{
    qint64 total = 0;
    DirectoryReader::Entry entry;
    while (reader.next(entry)) {
        switch (entry.kind) {
        case DirectoryReader::Kind::directory: subfolderNames.append(QByteArray(entry.name)); break;
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
    return total;
}

qint64 filesSizeIn(const QByteArray& path, bool isRoot, QList<QByteArray>& subfolders, int& error)
{
    DirectoryReader reader(path, isRoot);
    error = listingError(reader);
    QList<QByteArray> names;
    const qint64 total = filesSizeIn(reader, names);
    for (const QByteArray& name : std::as_const(names))
        subfolders.append(DirectoryReader::childPath(path, name.constData()));
    return total;
}

namespace {

// The partition's own folder has no queue; its disk's has.
bool isRotational(dev_t device)
{
    const QString base = QStringLiteral("/sys/dev/block/%1:%2").arg(major(device)).arg(minor(device));
    for (const QString& path : {base + QStringLiteral("/queue/rotational"), base + QStringLiteral("/../queue/rotational")}) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            return file.read(2).startsWith('1');
    }
    return false;
}

} // namespace

qint64 directorySize(const QString& folderPath, QList<UnreadableFolder>* unreadable)
{
    // Iterative, one open folder at a time: depth costs neither stack nor descriptors.
    QList<QByteArray> pending{FilePathBytes::encode(folderPath)};
    bool isRoot = true;
    qint64 total = 0;
    while (!pending.isEmpty()) {
        const QByteArray path = pending.takeLast();
        int error = 0;
        total += filesSizeIn(path, isRoot, pending, error);
        if (error != 0 && unreadable)
            unreadable->append({FilePathBytes::decode(path), qt_error_string(error)});
        isRoot = false;
    }
    return total;
}

QThreadPool& walkersFor(const QString& path)
{
    // A walker waiting on the disk uses no processor, so a cold walk wants more reads in flight
    // than there are cores; a spinning disk gets a short queue its scheduler can still sort.
    static QThreadPool solidState;
    static QThreadPool spinning;
    static std::once_flag sized;
    std::call_once(sized, [] {
        solidState.setMaxThreadCount(std::max(4, 2 * QThread::idealThreadCount()) - 1);
        spinning.setMaxThreadCount(3);
    });
    struct stat info {};
    if (::stat(FilePathBytes::encode(path).constData(), &info) != 0)
        return solidState;
    return isRotational(info.st_dev) ? spinning : solidState;
}

QList<qint64> directorySizes(const QStringList& folderPaths, const std::function<bool()>& isCancelled,
                             const std::function<void(qsizetype)>& finished, QList<UnreadableFolder>* unreadable)
{
    FolderSizeWalk walk(isCancelled, finished);
    for (const QString& path : folderPaths)
        walk.add(path);
    return walk.finish(unreadable);
}
