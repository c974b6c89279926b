#pragma once

#include <QDateTime>
#include <QHash>
#include <QString>

// Modification times for the sample library, applied in one pass once everything is written
// (writing into a folder would move its time again). A stamped folder passes its time on to
// everything inside it; the empty path stands for the root. The same pass counts what was written.
class DemoStamps {
public:
    void set(const QString& relativePath, qint64 ageSeconds) { m_ages.insert(relativePath, ageSeconds); }

    [[nodiscard]] bool apply(const QString& root, const QDateTime& reference);

    qint64 files() const { return m_files; }
    qint64 bytes() const { return m_bytes; }

private:
    bool applyInside(int folderFd, const QString& relativeFolder, qint64 age);

    QHash<QString, qint64> m_ages;
    qint64 m_reference = 0;
    qint64 m_files = 0;
    qint64 m_bytes = 0;
};
