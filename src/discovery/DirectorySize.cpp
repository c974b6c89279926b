#include "discovery/DirectorySize.h"

#include "discovery/DirectoryReader.h"
#include "model/FilePathBytes.h"

#include <QFile>
#include <QList>
#include <QThread>
#include <QThreadPool>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <fcntl.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

namespace {

// errno of a folder that is there but cannot be listed; 0 when it was listed or is gone.
int listingError(const DirectoryReader& reader)
{
    const int error = reader.error();
    return error == ENOENT || error == ENOTDIR ? 0 : error;
}

// The sizes of one folder's files; its subfolders go to `subfolders`, and the errno of a folder
// that cannot be listed to `error`.
qint64 sizeOfFolder(const QByteArray& path, bool isRoot, QList<QByteArray>& subfolders, int& error)
{
    DirectoryReader reader(path, isRoot);
    error = listingError(reader);
    qint64 total = 0;
    DirectoryReader::Entry entry;
    while (reader.next(entry)) {
        switch (entry.kind) {
        case DirectoryReader::Kind::directory:
            subfolders.append(DirectoryReader::childPath(path, entry.name));
            break;
        case DirectoryReader::Kind::regular:
        case DirectoryReader::Kind::symlink: {
            struct stat info {};
            if (::fstatat(reader.fd(), entry.name, &info, AT_SYMLINK_NOFOLLOW) == 0)
                total += qint64(info.st_size);
            break;
        }
        case DirectoryReader::Kind::other: break;
        }
    }
    return total;
}

// One parallel walk: a shared queue of folders, each tagged with the root it counts for. Sums do
// not depend on the order folders are read in, so any interleaving gives the serial result.
struct Walk {
    struct Folder {
        QByteArray path;
        qsizetype root = 0;
        bool isRoot = false;
    };

    std::mutex mutex;
    std::condition_variable wake;
    std::vector<Folder> pending;
    int busy = 0;
    int walkersLeft = 0;
    std::vector<std::atomic<qint64>> totals;
    // Per root, its folders queued or being read; the root is done at 0.
    std::vector<qsizetype> outstanding;
    // Per root, by index: what could not be listed.
    std::vector<std::pair<qsizetype, UnreadableFolder>> unreadable;
    std::function<bool()> isCancelled;
    std::function<void(qsizetype)> finished;
    bool cancelled = false;

    explicit Walk(qsizetype roots) : totals(std::size_t(roots)), outstanding(std::size_t(roots), 1) {}

    void run()
    {
        std::unique_lock lock(mutex);
        for (;;) {
            wake.wait(lock, [this] { return !pending.empty() || busy == 0 || cancelled; });
            if (pending.empty() || cancelled)
                break;
            Folder folder = std::move(pending.back());
            pending.pop_back();
            ++busy;
            lock.unlock();
            QList<QByteArray> subfolders;
            int error = 0;
            const qint64 bytes =
                isCancelled && isCancelled() ? -1 : sizeOfFolder(folder.path, folder.isRoot, subfolders, error);
            if (bytes > 0)
                totals[std::size_t(folder.root)].fetch_add(bytes, std::memory_order_relaxed);
            lock.lock();
            if (error != 0)
                unreadable.push_back({folder.root, {FilePathBytes::decode(folder.path), qt_error_string(error)}});
            --busy;
            cancelled = cancelled || bytes < 0;
            for (QByteArray& path : subfolders)
                pending.push_back(Folder{std::move(path), folder.root, false});
            qsizetype& left = outstanding[std::size_t(folder.root)];
            left += subfolders.size() - 1;
            if (left == 0 && !cancelled && finished)
                finished(folder.root);
            if (!subfolders.isEmpty() || busy == 0 || cancelled)
                wake.notify_all();
        }
        --walkersLeft;
        wake.notify_all();
    }
};

// The partition's own folder has no queue; its disk's has.
bool isRotational(dev_t device)
{
    const QString base = QStringLiteral("/sys/dev/block/%1:%2").arg(major(device)).arg(minor(device));
    for (const QString& path : {base + QStringLiteral("/queue/rotational"), base + QStringLiteral("/../queue/rotational")}) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            return file.read(2).startsWith('1');
    }
    return false;
}

} // namespace

qint64 directorySize(const QString& folderPath, QList<UnreadableFolder>* unreadable)
{
    // Iterative, one open folder at a time: depth costs neither stack nor descriptors.
    QList<QByteArray> pending{FilePathBytes::encode(folderPath)};
    bool isRoot = true;
    qint64 total = 0;
    while (!pending.isEmpty()) {
        const QByteArray path = pending.takeLast();
        int error = 0;
        total += sizeOfFolder(path, isRoot, pending, error);
        if (error != 0 && unreadable)
            unreadable->append({FilePathBytes::decode(path), qt_error_string(error)});
        isRoot = false;
    }
    return total;
}

QThreadPool& walkersFor(const QString& path)
{
    static QThreadPool all;
    static QThreadPool one;
    static std::once_flag sized;
    std::call_once(sized, [] {
        all.setMaxThreadCount(std::max(1, QThread::idealThreadCount() - 1));
        one.setMaxThreadCount(1);
    });
    struct stat info {};
    if (::stat(FilePathBytes::encode(path).constData(), &info) != 0)
        return all;
    return isRotational(info.st_dev) ? one : all;
}

QList<qint64> directorySizes(const QStringList& folderPaths, const std::function<bool()>& isCancelled,
                             const std::function<void(qsizetype)>& finished, QList<UnreadableFolder>* unreadable)
{
    auto walk = std::make_shared<Walk>(folderPaths.size());
    walk->isCancelled = isCancelled;
    walk->finished = finished;
    // Popped from the back: the first folder is read first.
    for (qsizetype i = folderPaths.size() - 1; i >= 0; --i)
        walk->pending.push_back(Walk::Folder{FilePathBytes::encode(folderPaths[i]), i, true});
    QThreadPool& helpers = walkersFor(folderPaths.value(0));
    const int walkers = folderPaths.isEmpty() ? 1 : 1 + helpers.maxThreadCount();
    walk->walkersLeft = walkers;
    // The calling thread walks too, so a busy pool slows the walk but never stalls it.
    for (int i = 1; i < walkers; ++i) {
        if (!helpers.tryStart([walk] { walk->run(); })) {
            const std::lock_guard lock(walk->mutex);
            --walk->walkersLeft;
        }
    }
    walk->run();
    {
        std::unique_lock lock(walk->mutex);
        walk->wake.wait(lock, [&walk] { return walk->walkersLeft == 0; });
    }
    if (unreadable) {
        // The walkers met them in any order; the result must not depend on it.
        std::sort(walk->unreadable.begin(), walk->unreadable.end(), [](const auto& a, const auto& b) {
            return a.first != b.first ? a.first < b.first
                                      : FilePathBytes::encode(a.second.path) < FilePathBytes::encode(b.second.path);
        });
        for (auto& [root, folder] : walk->unreadable)
            unreadable->append(std::move(folder));
    }
    QList<qint64> sizes;
    sizes.reserve(folderPaths.size());
    for (const std::atomic<qint64>& total : walk->totals)
        sizes.append(total.load());
    return sizes;
}
