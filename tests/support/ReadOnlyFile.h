#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

// Makes a file read-only in a way that holds for root too, and undoes it.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const QString& path) : m_path(QFile::encodeName(path))
    {
        if (geteuid() != 0) {
            m_chmod = ::chmod(m_path.constData(), 0444) == 0;
            return;
        }
        m_immutable = setImmutable(true);
    }
    ~ReadOnlyFile() { restore(); }
    bool active() const { return m_chmod || m_immutable; }
    void restore()
    {
        if (m_chmod)
            ::chmod(m_path.constData(), 0644);
        if (m_immutable)
            setImmutable(false);
        m_chmod = m_immutable = false;
    }

private:
    bool setImmutable(bool on)
    {
        const int fd = ::open(m_path.constData(), O_RDONLY);
        if (fd < 0)
            return false;
        int flags = 0;
        bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        ::close(fd);
        return ok;
    }

    QByteArray m_path;
    bool m_chmod = false;
    bool m_immutable = false;
};
