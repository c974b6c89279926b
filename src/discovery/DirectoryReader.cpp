#include "discovery/DirectoryReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

DirectoryReader::DirectoryReader(const QByteArray& path, bool followLink)
{
    // O_NONBLOCK: a FIFO put where a folder was expected must not stall the walk.
    int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
    if (!followLink)
        flags |= O_NOFOLLOW;
    const int fd = ::open(path.constData(), flags);
    if (fd < 0) {
        m_error = errno;
        return;
    }
    m_dir = ::fdopendir(fd);
    if (!m_dir) {
        m_error = errno;
        ::close(fd);
    }
}

DirectoryReader::~DirectoryReader()
{
    if (m_dir)
        ::closedir(m_dir);
}

int DirectoryReader::fd() const
{
    return m_dir ? ::dirfd(m_dir) : -1;
}

bool DirectoryReader::next(Entry& entry)
{
    if (!m_dir)
        return false;
    while (const dirent* item = ::readdir(m_dir)) {
        if (item->d_name[0] == '.')
            continue;
        entry.name = item->d_name;
        switch (item->d_type) {
        case DT_DIR: entry.kind = Kind::directory; break;
        case DT_REG: entry.kind = Kind::regular; break;
        case DT_LNK: entry.kind = Kind::symlink; break;
        case DT_UNKNOWN: {
            struct stat info {};
            if (::fstatat(::dirfd(m_dir), item->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
                entry.kind = Kind::other;
            else if (S_ISDIR(info.st_mode))
                entry.kind = Kind::directory;
            else if (S_ISREG(info.st_mode))
                entry.kind = Kind::regular;
            else if (S_ISLNK(info.st_mode))
                entry.kind = Kind::symlink;
            else
                entry.kind = Kind::other;
            break;
        }
        default: entry.kind = Kind::other; break;
        }
        return true;
    }
    return false;
}

QByteArray DirectoryReader::childPath(const QByteArray& parent, const char* name)
{
    QByteArray path;
    const qsizetype nameLength = qsizetype(std::strlen(name));
    path.reserve(parent.size() + 1 + nameLength);
    path.append(parent);
    if (!path.endsWith('/'))
        path.append('/');
    path.append(name, nameLength);
    return path;
}
