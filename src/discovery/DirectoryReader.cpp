#include "discovery/DirectoryReader.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

DirectoryReader::DirectoryReader(const QByteArray& path, bool followLink)
{
    open(AT_FDCWD, path.constData(), followLink);
}

DirectoryReader::DirectoryReader(int parentFd, const char* name)
{
    open(parentFd, name, false);
}

void DirectoryReader::open(int parentFd, const char* path, bool followLink)
{
    // O_NONBLOCK: a FIFO put where a folder was expected must not stall the walk.
    int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
    if (!followLink)
        flags |= O_NOFOLLOW;
    m_fd = ::openat(parentFd, path, flags);
    if (m_fd < 0)
        m_error = errno;
}

DirectoryReader::~DirectoryReader()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool DirectoryReader::next(Entry& entry)
{
    if (m_fd < 0)
        return false;
    for (;;) {
        if (m_offset >= m_filled) {
            const ssize_t read = ::getdents64(m_fd, m_buffer.data(), m_buffer.size());
            if (read <= 0)
                return false;
            m_filled = int(read);
            m_offset = 0;
        }
        const auto* item = reinterpret_cast<const dirent64*>(m_buffer.data() + m_offset);
        if (item->d_reclen == 0)
            return false;
        m_offset += item->d_reclen;
        if (item->d_name[0] == '.')
            continue;
        entry.name = item->d_name;
        switch (item->d_type) {
        case DT_DIR: entry.kind = Kind::directory; break;
        case DT_REG: entry.kind = Kind::regular; break;
        case DT_LNK: entry.kind = Kind::symlink; break;
        case DT_UNKNOWN: {
            struct stat info {};
            if (::fstatat(m_fd, item->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
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
