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
inline QMap<QByteArray, QByteArray> treeSnapshot(const QString& folder)
{
    QMap<QByteArray, QByteArray> snapshot;
    QList<QByteArray> pending{QFile::encodeName(folder)};
    while (!pending.isEmpty()) {
        const QByteArray path = pending.takeLast();
        struct stat info {};
        if (::lstat(path.constData(), &info) != 0) {
            snapshot.insert(path, "unreadable");
            continue;
        }
        QByteArray entry = QByteArray::number(info.st_mode, 8) + ' ' +
                           QByteArray::number(qint64(info.st_size)) + ' ' +
                           QByteArray::number(qint64(info.st_mtim.tv_sec)) + '.' +
                           QByteArray::number(qint64(info.st_mtim.tv_nsec)) + ' ' +
                           QByteArray::number(qint64(info.st_ctim.tv_sec)) + '.' +
                           QByteArray::number(qint64(info.st_ctim.tv_nsec));
        if (S_ISLNK(info.st_mode)) {
            char target[4096];
            const ssize_t length = ::readlink(path.constData(), target, sizeof target);
            entry += " -> " + QByteArray(target, length > 0 ? length : 0);
        } else if (S_ISREG(info.st_mode)) {
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
        snapshot.insert(path, entry);
    }
    return snapshot;
}
