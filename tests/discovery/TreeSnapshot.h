#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QMap>
#include <QString>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Everything a careless reader could change under a folder: names, types, permissions, sizes,
// modification and change times, link targets and file contents. Links are never followed.
// `asWritten` compares trees written apart: paths relative to the folder, no change times, and
// contents of files up to 256 KiB only (the larger ones are sparse and read back as zeros).
inline QMap<QByteArray, QByteArray> treeSnapshot(const QString& folder, bool asWritten = false)
{
    QMap<QByteArray, QByteArray> snapshot;
    const QByteArray root = QFile::encodeName(folder);
    QList<QByteArray> pending{root};
    while (!pending.isEmpty()) {
        const QByteArray path = pending.takeLast();
        struct stat info {};
        const QByteArray key = asWritten ? path.mid(root.size()) : path;
        if (::lstat(path.constData(), &info) != 0) {
            snapshot.insert(key, "unreadable");
            continue;
        }
        QByteArray entry = QByteArray::number(info.st_mode, 8) + ' ' +
                           QByteArray::number(qint64(info.st_size)) + ' ' +
                           QByteArray::number(qint64(info.st_mtim.tv_sec)) + '.' +
                           QByteArray::number(qint64(info.st_mtim.tv_nsec));
        if (!asWritten)
            entry += ' ' + QByteArray::number(qint64(info.st_ctim.tv_sec)) + '.' +
                     QByteArray::number(qint64(info.st_ctim.tv_nsec));
        if (S_ISLNK(info.st_mode)) {
            char target[4096];
            const ssize_t length = ::readlink(path.constData(), target, sizeof target);
            entry += " -> " + QByteArray(target, length > 0 ? length : 0);
        } else if (S_ISREG(info.st_mode) && (!asWritten || info.st_size <= 256 * 1024)) {
            QFile file(QFile::decodeName(path));
            if (file.open(QIODevice::ReadOnly)) {
                QCryptographicHash hash(QCryptographicHash::Sha256);
                hash.addData(&file);
                entry += ' ' + hash.result().toHex();
            }
        } else if (S_ISDIR(info.st_mode)) {
            if (DIR* dir = ::opendir(path.constData())) {
                while (const dirent* item = ::readdir(dir)) {
                    const QByteArray name(item->d_name);
                    if (name != "." && name != "..")
                        pending.append(path + '/' + name);
                }
                ::closedir(dir);
            }
        }
        snapshot.insert(key, entry);
    }
    return snapshot;
}
