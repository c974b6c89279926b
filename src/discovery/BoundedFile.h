#pragma once

#include <QByteArray>
#include <QString>

// A read-only file read in pieces at given offsets, with a total byte budget: the readers of
// untrusted images ask for what a header claims and get nothing once a claim is past the end,
// wraps around, or would exceed the budget. Opens without blocking (a FIFO cannot stall a scan)
// and only regular files.
class BoundedFile {
public:
    BoundedFile(const QString& path, qint64 budget);
    // The same reads over bytes already in memory (fuzzing, tests).
    BoundedFile(const QByteArray& contents, qint64 budget);
    ~BoundedFile();
    BoundedFile(const BoundedFile&) = delete;
    BoundedFile& operator=(const BoundedFile&) = delete;

    [[nodiscard]] bool isOpen() const { return m_inMemory || m_fd >= 0; }
    [[nodiscard]] qint64 size() const { return m_size; }

    // Exactly `count` bytes at `offset`, or an empty array when they are not all there.
    [[nodiscard]] QByteArray read(quint64 offset, quint64 count);
    // Up to `count` bytes at `offset`, fewer at the end of the file.
    [[nodiscard]] QByteArray readUpTo(quint64 offset, quint64 count);

private:
    QByteArray m_contents;
    bool m_inMemory = false;
    int m_fd = -1;
    qint64 m_size = 0;
    qint64 m_budget = 0;
};
