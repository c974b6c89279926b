#include "sample/DemoStamps.h"

#include "model/FilePathBytes.h"

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

namespace {

bool setTime(int folderFd, const char* name, qint64 seconds) {
    const timespec times[2] = {{time_t(seconds), 0}, {time_t(seconds), 0}};
    return ::utimensat(folderFd, name, times, AT_SYMLINK_NOFOLLOW) == 0;
}

} // namespace

bool DemoStamps::apply(const QString& root, const QDateTime& reference) {
    m_reference = reference.toSecsSinceEpoch();
    m_files = 0;
    m_bytes = 0;
    const int fd = ::open(FilePathBytes::encode(root).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    // applyInside takes over the descriptor.
    const qint64 rootAge = m_ages.value(QString(), 0);
    const bool ok = applyInside(fd, QString(), rootAge);
    return ok && setTime(AT_FDCWD, FilePathBytes::encode(root).constData(), m_reference - rootAge);
}

bool DemoStamps::applyInside(int folderFd, const QString& relativeFolder, qint64 age) {
    DIR* dir = ::fdopendir(folderFd);
    if (!dir) {
        ::close(folderFd);
        return false;
    }
    bool ok = true;
    while (const dirent* entry = ::readdir(dir)) {
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0)
            continue;
        const QString name = FilePathBytes::decode(entry->d_name);
        const QString relative = relativeFolder.isEmpty() ? name : relativeFolder + u'/' + name;
        const qint64 entryAge = m_ages.value(relative, age);
        struct stat info {};
        if (::fstatat(folderFd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) {
            ok = false;
            continue;
        }
        if (S_ISDIR(info.st_mode)) {
            const int childFd =
                ::openat(folderFd, entry->d_name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            ok = childFd >= 0 && applyInside(childFd, relative, entryAge) && ok;
        } else if (S_ISREG(info.st_mode)) {
            ++m_files;
            m_bytes += info.st_size;
        }
        ok = setTime(folderFd, entry->d_name, m_reference - entryAge) && ok;
    }
    ::closedir(dir);
    return ok;
}
