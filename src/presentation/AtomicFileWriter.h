#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Writes a file whole or not at all: the bytes go to a new file beside the target, every write,
// the flush to disk and the close are checked, and only then is it renamed over the target.
// A target that exists and is not a regular file (a device, a pipe) cannot be replaced; it is
// written directly, still checking every write and the close. Failures are told in words.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(QString targetPath);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    [[nodiscard]] bool open();
    [[nodiscard]] bool write(QByteArrayView bytes);
    // Makes the file appear under the target's name; false leaves the target as it was.
    [[nodiscard]] bool commit();
    // Gives up: the temporary file is removed, the target untouched.
    void discard();

    // "Cannot write “/path”: No space left on device." after a failure.
    [[nodiscard]] QString errorString() const { return m_error; }

    // open(), write() and commit() in one; the reason in errorDescription on failure.
    [[nodiscard]] static bool writeFile(const QString& targetPath, QByteArrayView bytes,
                                        QString* errorDescription = nullptr);

private:
    bool failWith(const QString& action, int error);
    void closeQuietly();

    QString m_target;
    QByteArray m_targetBytes;
    QByteArray m_temporaryBytes; // empty when writing the target directly
    int m_fd = -1;
    bool m_failed = false;
    QString m_error;
};
