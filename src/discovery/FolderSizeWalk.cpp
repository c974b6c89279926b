#include "discovery/FolderSizeWalk.h"

#include "discovery/DirectoryReader.h"
#include "discovery/DirectorySize.h"
#include "model/FilePathBytes.h"

#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <utility>
#include <vector>

// Shared with the helper walkers, which may outlive a walk that was abandoned early.
struct FolderSizeWalk::Shared {
    struct Folder {
        QByteArray path;
        qsizetype root = 0;
        bool isRoot = false;
        std::function<bool()> before;
    };

    std::mutex mutex;
    std::condition_variable wake;
    std::vector<Folder> pending;
    std::function<bool()> isCancelled;
    std::function<void(qsizetype)> finished;
    std::deque<qint64> totals;
    // Per root, its folders queued or being read; the root is done at 0.
    std::deque<qsizetype> outstanding;
    std::vector<std::pair<qsizetype, UnreadableFolder>> unreadable;
    int busy = 0;
    int walkersLeft = 0;
    bool started = false;
    bool closed = false;
    bool cancelled = false;

    // Walkers waiting for a folder; read without the lock as a hint to share subfolders.
    std::atomic<int> idle = 0;

    [[nodiscard]] bool isDone() const { return cancelled || (closed && busy == 0 && pending.empty()); }

    // What one walker gathered from a folder and the subfolders it kept for itself.
    struct Tally {
        qint64 bytes = 0;
        std::vector<UnreadableFolder> unreadable;
    };

    void share(QByteArray path, qsizetype root)
    {
        {
            const std::lock_guard lock(mutex);
            pending.push_back(Folder{std::move(path), root, false, {}});
            ++outstanding[std::size_t(root)];
        }
        wake.notify_one();
    }

    // Measures the folder open in `reader` and, while no walker is idle, its subfolders too, each
    // opened from its parent (a few levels deep, so descriptors stay bounded); the rest are
    // shared by full path. False once cancelled.
    bool measure(DirectoryReader& reader, const QByteArray& path, int depth, qsizetype root, Tally& tally)
    {
        constexpr int keptLevels = 8;
        if (const int error = listingError(reader); error != 0) {
            tally.unreadable.push_back({FilePathBytes::decode(path), qt_error_string(error)});
            return true;
        }
        QList<QByteArray> names;
        tally.bytes += filesSizeIn(reader, names);
        for (const QByteArray& name : std::as_const(names)) {
            QByteArray child = DirectoryReader::childPath(path, name.constData());
            if (depth + 1 >= keptLevels || idle.load(std::memory_order_relaxed) > 0) {
                share(std::move(child), root);
                continue;
            }
            if (isCancelled && isCancelled())
                return false;
            DirectoryReader subfolder(reader.fd(), name.constData());
            if (!measure(subfolder, child, depth + 1, root, tally))
                return false;
        }
        return true;
    }

    void run()
    {
        std::unique_lock lock(mutex);
        for (;;) {
            ++idle;
            wake.wait(lock, [this] { return !pending.empty() || isDone(); });
            --idle;
            if (cancelled || pending.empty())
                break;
            Folder folder = std::move(pending.back());
            pending.pop_back();
            ++busy;
            lock.unlock();
            bool stop = isCancelled && isCancelled();
            Tally tally;
            if (!stop && (!folder.before || folder.before())) {
                DirectoryReader reader(folder.path, folder.isRoot);
                stop = !measure(reader, folder.path, 0, folder.root, tally);
            }
            lock.lock();
            --busy;
            if (stop) {
                cancelled = true;
                wake.notify_all();
                break;
            }
            totals[std::size_t(folder.root)] += tally.bytes;
            for (UnreadableFolder& unread : tally.unreadable)
                unreadable.push_back({folder.root, std::move(unread)});
            qsizetype& left = outstanding[std::size_t(folder.root)];
            if (--left == 0 && !cancelled && finished)
                finished(folder.root);
            if (isDone())
                wake.notify_all();
        }
        --walkersLeft;
        wake.notify_all();
    }
};

FolderSizeWalk::FolderSizeWalk(std::function<bool()> isCancelled, std::function<void(qsizetype)> finished)
    : m_shared(std::make_shared<Shared>())
{
    m_shared->isCancelled = std::move(isCancelled);
    m_shared->finished = std::move(finished);
}

FolderSizeWalk::~FolderSizeWalk()
{
    if (!m_finished)
        (void)finish();
}

qsizetype FolderSizeWalk::add(const QString& path, std::function<bool()> before)
{
    Shared& shared = *m_shared;
    QByteArray bytes = FilePathBytes::encode(path);
    qsizetype index = 0;
    bool start = false;
    {
        const std::lock_guard lock(shared.mutex);
        index = qsizetype(shared.totals.size());
        shared.totals.push_back(0);
        shared.outstanding.push_back(1);
        shared.pending.push_back(Shared::Folder{std::move(bytes), index, true, std::move(before)});
        start = !std::exchange(shared.started, true);
    }
    if (!start) {
        shared.wake.notify_one();
        return index;
    }
    // The helpers start with the first folder, on its device; the calling thread joins in
    // finish(), so a busy pool slows the walk but never stalls it.
    QThreadPool& helpers = walkersFor(path);
    for (int i = 0; i < helpers.maxThreadCount(); ++i) {
        {
            const std::lock_guard lock(shared.mutex);
            ++shared.walkersLeft;
        }
        if (!helpers.tryStart([walk = m_shared] { walk->run(); })) {
            const std::lock_guard lock(shared.mutex);
            --shared.walkersLeft;
            break;
        }
    }
    return index;
}

QList<qint64> FolderSizeWalk::finish(QList<UnreadableFolder>* unreadable, QList<qsizetype>* roots)
{
    m_finished = true;
    Shared& shared = *m_shared;
    {
        const std::lock_guard lock(shared.mutex);
        shared.closed = true;
        ++shared.walkersLeft;
    }
    shared.wake.notify_all();
    shared.run();
    std::unique_lock lock(shared.mutex);
    shared.wake.wait(lock, [&shared] { return shared.walkersLeft == 0; });
    if (unreadable) {
        // The walkers met them in any order; the result must not depend on it.
        std::sort(shared.unreadable.begin(), shared.unreadable.end(), [](const auto& a, const auto& b) {
            return a.first != b.first ? a.first < b.first
                                      : FilePathBytes::encode(a.second.path) < FilePathBytes::encode(b.second.path);
        });
        for (auto& [root, folder] : shared.unreadable) {
            unreadable->append(std::move(folder));
            if (roots)
                roots->append(root);
        }
    }
    return QList<qint64>(shared.totals.begin(), shared.totals.end());
}
