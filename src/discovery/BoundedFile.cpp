#include "discovery/BoundedFile.h"

#include "model/FilePathBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

BoundedFile::BoundedFile(const QString& path, qint64 budget)
    : m_budget(budget)
{
    const int fd = ::open(FilePathBytes::encode(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return;
    }
    m_fd = fd;
    m_size = info.st_size;
}

BoundedFile::BoundedFile(const QByteArray& contents, qint64 budget)
    : m_contents(contents)
    , m_inMemory(true)
    , m_size(contents.size())
    , m_budget(budget)
{
}

BoundedFile::~BoundedFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

QByteArray BoundedFile::readUpTo(quint64 offset, quint64 count)
{
    if (!isOpen() || offset >= quint64(m_size))
        return {};
    count = std::min(count, quint64(m_size) - offset);
    if (count == 0 || count > quint64(m_budget))
        return {};
    m_budget -= qint64(count);
    if (m_inMemory)
        return m_contents.sliced(qsizetype(offset), qsizetype(count));

    QByteArray bytes(qsizetype(count), Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::pread(m_fd, bytes.data() + filled, size_t(bytes.size() - filled), off_t(offset + filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        filled += got;
    }
    bytes.truncate(filled);
    return bytes;
}

QByteArray BoundedFile::read(quint64 offset, quint64 count)
{
    if (count == 0 || offset >= quint64(m_size) || count > quint64(m_size) - offset)
        return {};
    QByteArray bytes = readUpTo(offset, count);
    return quint64(bytes.size()) == count ? bytes : QByteArray();
}
