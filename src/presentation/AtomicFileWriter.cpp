#include "presentation/AtomicFileWriter.h"

#include "model/FilePathBytes.h"

#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

QString reasonFor(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The file the name leads to, so that a link stays a link and the rename lands beside the file.
QByteArray resolvedTarget(const QByteArray& target)
{
    struct stat info {};
    if (::lstat(target.constData(), &info) != 0 || !S_ISLNK(info.st_mode))
        return target;
    char resolved[PATH_MAX];
    if (::realpath(target.constData(), resolved))
        return QByteArray(resolved);
    return target;
}

QByteArray folderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

} // namespace

AtomicFileWriter::AtomicFileWriter(QString targetPath)
    : m_target(std::move(targetPath))
    , m_targetBytes(resolvedTarget(FilePathBytes::encode(m_target)))
{
}

AtomicFileWriter::~AtomicFileWriter()
{
    discard();
}

bool AtomicFileWriter::failWith(const QString& action, int error)
{
    m_failed = true;
    m_error = QStringLiteral("Cannot %1 “%2”: %3.")
                  .arg(action, FilePathBytes::displayForm(m_target), reasonFor(error));
    return false;
}

void AtomicFileWriter::closeQuietly()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool AtomicFileWriter::open()
{
    if (m_target.isEmpty()) {
        m_failed = true;
        m_error = QStringLiteral("No file name was given.");
        return false;
    }
    discard();
    m_failed = false;
    m_error.clear();

    struct stat existing {};
    const bool exists = ::stat(m_targetBytes.constData(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        return failWith(QStringLiteral("write"), EISDIR);
    if (exists && !S_ISREG(existing.st_mode)) {
        m_fd = ::open(m_targetBytes.constData(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
        return m_fd >= 0 || failWith(QStringLiteral("open"), errno);
    }
    if (exists && ::access(m_targetBytes.constData(), W_OK) != 0)
        return failWith(QStringLiteral("write"), errno);

    // A hidden name in the same folder, so that the rename never crosses file systems.
    const QByteArray folder = folderOf(m_targetBytes);
    const QByteArray base = m_targetBytes.mid(m_targetBytes.lastIndexOf('/') + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray candidate = folder + '/' + '.' + base + '.'
            + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".part";
        const mode_t mode = exists ? (existing.st_mode & 07777) : 0666;
        m_fd = ::open(candidate.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, mode);
        if (m_fd >= 0) {
            m_temporaryBytes = candidate;
            if (exists)
                (void)::fchmod(m_fd, existing.st_mode & 07777);
            return true;
        }
        if (errno != EEXIST)
            return failWith(QStringLiteral("write"), errno);
    }
    return failWith(QStringLiteral("write"), EEXIST);
}

bool AtomicFileWriter::write(QByteArrayView bytes)
{
    if (m_fd < 0 || m_failed)
        return false;
    const char* data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(m_fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return failWith(QStringLiteral("write"), written < 0 ? errno : EIO);
        data += written;
        left -= written;
    }
    return true;
}

bool AtomicFileWriter::commit()
{
    if (m_fd < 0 || m_failed)
        return false;
    // A full disk may only show when the data reaches it, so the flush is checked too.
    if (!m_temporaryBytes.isEmpty() && ::fsync(m_fd) != 0) {
        const int error = errno;
        discard();
        return failWith(QStringLiteral("write"), error);
    }
    const int closed = ::close(m_fd);
    const int closeError = errno;
    m_fd = -1;
    if (closed != 0 && closeError != EINTR) {
        discard();
        return failWith(QStringLiteral("write"), closeError);
    }
    if (m_temporaryBytes.isEmpty())
        return true;
    if (::rename(m_temporaryBytes.constData(), m_targetBytes.constData()) != 0) {
        const int error = errno;
        discard();
        return failWith(QStringLiteral("replace"), error);
    }
    m_temporaryBytes.clear();
    return true;
}

void AtomicFileWriter::discard()
{
    closeQuietly();
    if (!m_temporaryBytes.isEmpty())
        ::unlink(m_temporaryBytes.constData());
    m_temporaryBytes.clear();
}

bool AtomicFileWriter::writeFile(const QString& targetPath, QByteArrayView bytes, QString* errorDescription)
{
    AtomicFileWriter writer(targetPath);
    const bool ok = writer.open() && writer.write(bytes) && writer.commit();
    if (!ok && errorDescription)
        *errorDescription = writer.errorString();
    return ok;
}
