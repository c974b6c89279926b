#include "discovery/BundleWalker.h"

#include "discovery/BundleExtension.h"
#include "discovery/BundleMetadataReader.h"
#include "discovery/DirectoryReader.h"
#include "discovery/DirectorySize.h"
#include "discovery/FolderSizeWalk.h"
#include "discovery/LinuxWindowsPluginReader.h"
#include "model/FilePathBytes.h"

#include <QFile>
#include <QSet>

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <vector>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

constexpr int progressInterval = 64;

// Nothing there, or not a folder: nothing to read rather than a folder that cannot be read.
bool isAbsence(int error)
{
    return error == ENOENT || error == ENOTDIR;
}

QDateTime utcFromTimestamp(const statx_timestamp& time)
{
    return QDateTime::fromMSecsSinceEpoch(qint64(time.tv_sec) * 1000 + time.tv_nsec / 1'000'000, Qt::UTC);
}

struct BundleDates {
    QDateTime modified;
    QDateTime installed;
};

// The bundle folder's own dates (a link's own, not its target's); birth time where the file
// system records one.
BundleDates datesOf(const QString& bundlePath)
{
    struct statx info {};
    if (::statx(AT_FDCWD, FilePathBytes::encode(bundlePath).constData(), AT_SYMLINK_NOFOLLOW,
                STATX_MTIME | STATX_BTIME, &info) != 0) {
        const QDateTime now = QDateTime::currentDateTimeUtc();
        return {now, now};
    }
    const QDateTime modified =
        (info.stx_mask & STATX_MTIME) ? utcFromTimestamp(info.stx_mtime) : QDateTime::currentDateTimeUtc();
    const QDateTime installed = (info.stx_mask & STATX_BTIME) ? utcFromTimestamp(info.stx_btime) : modified;
    return {modified, installed};
}

// The plug-ins of one bundle, next to each other, share its dates: read once.
void stampDates(QList<ScannedPlugin>& plugins)
{
    QString dated;
    BundleDates dates;
    for (ScannedPlugin& plugin : plugins) {
        if (plugin.filePath != dated) {
            dated = plugin.filePath;
            dates = datesOf(dated);
        }
        plugin.dateModified = dates.modified;
        plugin.installDate = dates.installed;
    }
}

QByteArray realPathOf(const QByteArray& path)
{
    char buffer[PATH_MAX];
    return ::realpath(path.constData(), buffer) ? QByteArray(buffer) : QByteArray();
}

bool isFolderAt(const QByteArray& path)
{
    struct stat info {};
    return ::stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

// A link back up to the walk's root or above it would walk everything again.
bool containsOrIs(const QByteArray& folder, const QByteArray& path)
{
    return folder == "/" || path == folder || path.startsWith(folder + '/');
}

QString appendingComponent(const QString& folderPath, const QString& component)
{
    return folderPath.endsWith(u'/') ? folderPath + component : folderPath + u'/' + component;
}

} // namespace

struct BundleWalker::Batch {
    struct Found {
        // Described on the walk's thread, or later by the walker that measures it.
        QList<ScannedPlugin> plugins;
        // In the size walk; a plug-in that is a file has its size already.
        qsizetype sizeIndex = -1;
        qint64 size = 0;
    };
    // One walk's share: the folders it could not list, and where its entries and measured
    // folders begin; the next walk's begin where they end.
    struct Walk {
        QList<UnreadableFolder> unreadable;
        std::size_t foundBegin = 0;
        qsizetype sizesBegin = 0;
    };

    Batch(std::function<bool()> isCancelled, dev_t device) : device(device), sizes(std::move(isCancelled)) {}

    qsizetype measure(const QString& path, std::function<bool()> before = {})
    {
        ++sizesAdded;
        return sizes.add(path, std::move(before));
    }

    const dev_t device;
    qsizetype sizesAdded = 0;
    // A deque: walkers fill entries while the walk appends more.
    std::deque<Found> found;
    std::vector<Walk> walks;
    // Last, so that it is gone, its walkers done, before what they fill.
    FolderSizeWalk sizes;
};

BundleWalker::BundleWalker(QList<FormatFolder> formatFolders, Hooks hooks)
    : m_formatFolders(std::move(formatFolders))
    , m_hooks(std::move(hooks))
{
}

BundleWalker::~BundleWalker()
{
    // The walkers still hold the batch's entries; they must be done with them first.
    if (m_batch)
        m_batch->sizes.finish();
}

bool BundleWalker::isCancelled() const
{
    return m_hooks.isCancelled && m_hooks.isCancelled();
}

void BundleWalker::reportProgress()
{
    const int bundles = bundlesFound();
    if (m_foldersWalked == m_reportedFolders && bundles == m_reportedBundles)
        return;
    m_reportedFolders = m_foldersWalked;
    m_reportedBundles = bundles;
    if (m_hooks.progress)
        m_hooks.progress(m_foldersWalked, bundles);
}

void BundleWalker::countFolder()
{
    if (++m_foldersWalked % progressInterval == 0)
        reportProgress();
}

void BundleWalker::noteUnreadable(Batch& batch, const QString& folderPath, int error)
{
    batch.walks.back().unreadable.append(UnreadableFolder{folderPath, qt_error_string(error)});
}

void BundleWalker::noteUnreadable(const UnreadableFolder& folder)
{
    if (m_unreadablePaths.contains(folder.path))
        return;
    m_unreadablePaths.insert(folder.path);
    m_unreadable.append(folder);
}

void BundleWalker::keep(Batch& batch, const QString& bundlePath, PluginFormat format)
{
    keepUndescribed(batch, bundlePath, [bundlePath, format] {
        std::optional<ScannedPlugin> plugin = makeScannedPlugin(bundlePath, format);
        return plugin ? QList<ScannedPlugin>{std::move(*plugin)} : QList<ScannedPlugin>();
    });
}

void BundleWalker::keepUndescribed(Batch& batch, const QString& path, std::function<QList<ScannedPlugin>()> describe)
{
    if (isCancelled())
        return;
    Batch::Found& found = batch.found.emplace_back();
    found.sizeIndex = batch.measure(path, [this, &found, describe = std::move(describe)] {
        found.plugins = describe();
        m_bundlesFound.fetch_add(int(found.plugins.size()), std::memory_order_relaxed);
        // A bundle that describes no plug-in (no property list; presets, core definitions) is
        // not catalogued, so nothing inside it is worth a word.
        return !found.plugins.isEmpty();
    });
}

BundleWalker::Batch& BundleWalker::beginWalk(const QString& folderPath)
{
    // Each device gets its own walkers, sized for it.
    struct stat info {};
    const bool known = ::stat(FilePathBytes::encode(folderPath).constData(), &info) == 0;
    if (m_batch && known && info.st_dev != m_batch->device) {
        collect(*m_batch);
        m_batch.reset();
    }
    if (!m_batch)
        m_batch = std::make_unique<Batch>([this] { return isCancelled(); }, known ? info.st_dev : 0);
    m_batch->walks.push_back({{}, m_batch->found.size(), m_batch->sizesAdded});
    return *m_batch;
}

void BundleWalker::collect(Batch& batch)
{
    QList<UnreadableFolder> measuredUnreadable;
    QList<qsizetype> measuredRoots;
    const QList<qint64> sizes = batch.sizes.finish(&measuredUnreadable, &measuredRoots);
    qsizetype unreadableAt = 0;
    for (std::size_t w = 0; w < batch.walks.size(); ++w) {
        const Batch::Walk& walk = batch.walks[w];
        const bool isLast = w + 1 == batch.walks.size();
        const std::size_t foundEnd = isLast ? batch.found.size() : batch.walks[w + 1].foundBegin;
        const qsizetype sizesEnd = isLast ? batch.sizesAdded : batch.walks[w + 1].sizesBegin;
        QList<ScannedPlugin>& output = m_walked.emplace_back();
        for (std::size_t at = walk.foundBegin; at < foundEnd; ++at) {
            Batch::Found& found = batch.found[at];
            for (ScannedPlugin& plugin : found.plugins) {
                plugin.fileSize = found.sizeIndex < 0 ? found.size : sizes[found.sizeIndex];
                output.append(std::move(plugin));
            }
        }
        // As a walk alone tells them: what it could not list, then what its bundles hid.
        for (const UnreadableFolder& folder : walk.unreadable)
            noteUnreadable(folder);
        for (; unreadableAt < measuredRoots.size() && measuredRoots[unreadableAt] < sizesEnd; ++unreadableAt)
            noteUnreadable(measuredUnreadable[unreadableAt]);
    }
}

QList<QList<ScannedPlugin>> BundleWalker::finishWalks()
{
    if (m_batch) {
        collect(*m_batch);
        m_batch.reset();
    }
    return std::exchange(m_walked, {});
}

void BundleWalker::walkStandardLocation(const QString& folderPath, const QString& rootPath)
{
    Batch& batch = beginWalk(folderPath);
    for (const FormatFolder& folder : std::as_const(m_formatFolders)) {
        if (folder.path != rootPath && !folder.path.startsWith(rootPath + u'/'))
            continue;
        QStringView remainder = QStringView(folder.path).mid(rootPath.size());
        while (remainder.startsWith(u'/'))
            remainder = remainder.mid(1);
        const QString url =
            remainder.isEmpty() ? folderPath : appendingComponent(folderPath, remainder.toString());
        walkFormatFolder(batch, url, folder.format);
    }
}

QList<ScannedPlugin> BundleWalker::scanStandardLocation(const QString& folderPath, const QString& rootPath)
{
    walkStandardLocation(folderPath, rootPath);
    return finishWalks().value(0);
}

QList<ScannedPlugin> BundleWalker::scanFormatFolder(const QString& folderPath, PluginFormat format)
{
    Batch& batch = beginWalk(folderPath);
    walkFormatFolder(batch, folderPath, format);
    return finishWalks().value(0);
}

QList<ScannedPlugin> BundleWalker::scanRecursively(const QString& folderPath)
{
    walkRecursively(folderPath);
    return finishWalks().value(0);
}

void BundleWalker::walkFormatFolder(Batch& batch, const QString& folderPath, PluginFormat format)
{
    const QByteArray path = FilePathBytes::encode(folderPath);
    if (isCancelled())
        return;
    DirectoryReader reader(path, true);
    if (!reader.isOpen()) {
        // A format folder that is not there is the usual case; a file in its place is told.
        if (reader.error() != ENOENT)
            noteUnreadable(batch, folderPath, reader.error());
        return;
    }
    countFolder();
    DirectoryReader::Entry entry;
    while (reader.next(entry)) {
        if (BundleExtension::formatOfName(entry.name) == format)
            keep(batch, FilePathBytes::decode(DirectoryReader::childPath(path, entry.name)), format);
    }
}

void BundleWalker::walkRecursively(const QString& folderPath)
{
    const QByteArray rootPath = FilePathBytes::encode(folderPath);
    Batch& batch = beginWalk(folderPath);
    struct Pending {
        QByteArray path;
        std::optional<PluginFormat> folderFormat;
    };
    const auto formatOf = [this](const QByteArray& path, std::optional<PluginFormat> inherited) {
        const std::optional<PluginFormat> own = LinuxPluginFolders::formatOf(m_pluginFolders, FilePathBytes::decode(path));
        return own ? own : inherited;
    };
    // Depth-first without recursion. Outside Linux plug-in folders only real folders are pushed,
    // so links cannot loop; inside them each real folder is entered once.
    const QByteArray realRoot = realPathOf(rootPath);
    QSet<QByteArray> enteredLinks;
    QList<Pending> pending{{rootPath, formatOf(rootPath, std::nullopt)}};
    bool isRoot = true;
    while (!pending.isEmpty() && !isCancelled()) {
        const Pending current = pending.takeLast();
        const QByteArray& path = current.path;
        DirectoryReader reader(path, isRoot);
        if (!reader.isOpen()) {
            // A sub-folder gone since its parent was listed is not worth a word either.
            if (!isAbsence(reader.error()))
                noteUnreadable(batch, isRoot ? folderPath : FilePathBytes::decode(path), reader.error());
            isRoot = false;
            continue;
        }
        isRoot = false;
        countFolder();
        QList<Pending> subfolders;
        DirectoryReader::Entry entry;
        const bool followsLinks = current.folderFormat.has_value();
        while (reader.next(entry)) {
            const bool isLink = entry.kind == DirectoryReader::Kind::symlink;
            if (LinuxWindowsPluginReader::mayClaim(entry.name)) {
                const QByteArray child = DirectoryReader::childPath(path, entry.name);
                const bool isFolder = entry.kind == DirectoryReader::Kind::directory || (isLink && isFolderAt(child));
                if (isFolder && LinuxWindowsPluginReader::claimsFolder(entry.name)) {
                    keepUnread(batch, FilePathBytes::decode(child), current.folderFormat);
                    continue;
                }
                LinuxWindowsPluginReader::Result result =
                    LinuxWindowsPluginReader::read(FilePathBytes::decode(child), isFolder, current.folderFormat);
                if (result.claim == LinuxWindowsPluginReader::Claim::plugins) {
                    keepDescribed(batch, std::move(result.plugins));
                    continue;
                }
                if (result.claim == LinuxWindowsPluginReader::Claim::walkInside) {
                    if (!isLink)
                        subfolders.append({child, formatOf(child, current.folderFormat)});
                    continue;
                }
            }
            if (const std::optional<PluginFormat> format = BundleExtension::formatOfName(entry.name)) {
                // A plug-in's insides are never walked, whether or not it could be described.
                keep(batch, FilePathBytes::decode(DirectoryReader::childPath(path, entry.name)), *format);
            } else if (entry.kind == DirectoryReader::Kind::directory) {
                const QByteArray child = DirectoryReader::childPath(path, entry.name);
                subfolders.append({child, formatOf(child, current.folderFormat)});
            } else if (isLink && followsLinks && std::strcmp(entry.name, "dosdevices") != 0) {
                // Packages link one folder under two names; Wine's drive links lead to the whole disk.
                const QByteArray target = realPathOf(DirectoryReader::childPath(path, entry.name));
                if (!target.isEmpty() && isFolderAt(target) && !containsOrIs(target, realRoot) &&
                    !enteredLinks.contains(target)) {
                    enteredLinks.insert(target);
                    subfolders.append({target, formatOf(target, current.folderFormat)});
                }
            }
        }
        for (auto it = subfolders.crbegin(); it != subfolders.crend(); ++it)
            pending.append(*it);
    }
}

void BundleWalker::keepUnread(Batch& batch, const QString& folderPath, std::optional<PluginFormat> folderFormat)
{
    keepUndescribed(batch, folderPath, [folderPath, folderFormat] {
        QList<ScannedPlugin> plugins = LinuxWindowsPluginReader::read(folderPath, true, folderFormat).plugins;
        stampDates(plugins);
        return plugins;
    });
}

void BundleWalker::keepDescribed(Batch& batch, QList<ScannedPlugin> plugins)
{
    if (isCancelled())
        return;
    stampDates(plugins);
    // The plug-ins of one bundle share its size: measured once.
    Batch::Found* found = nullptr;
    for (ScannedPlugin& plugin : plugins) {
        if (!found || plugin.filePath != found->plugins.constFirst().filePath) {
            found = &batch.found.emplace_back();
            struct stat info {};
            if (::stat(FilePathBytes::encode(plugin.filePath).constData(), &info) == 0 && S_ISDIR(info.st_mode))
                found->sizeIndex = batch.measure(plugin.filePath);
            else
                found->size = qint64(info.st_size);
        }
        found->plugins.append(std::move(plugin));
        m_bundlesFound.fetch_add(1, std::memory_order_relaxed);
    }
}

std::optional<ScannedPlugin> BundleWalker::makeScannedPlugin(const QString& bundlePath, PluginFormat format)
{
    const std::optional<QVariantMap> plist = BundleMetadataReader::readInfoPlist(bundlePath);
    if (!plist)
        return std::nullopt;
    const BundleMetadataReader::Metadata metadata =
        BundleMetadataReader::metadataFromPlist(*plist, bundlePath);
    const BundleDates dates = datesOf(bundlePath);
    const std::optional<QString> executable = BundleMetadataReader::executablePath(*plist, bundlePath);

    ScannedPlugin plugin;
    plugin.name = metadata.name;
    plugin.publisher = metadata.publisher;
    plugin.version = metadata.version;
    plugin.format = format;
    plugin.architecture =
        executable ? BundleMetadataReader::readArchitecture(*executable) : PluginArchitecture::unknown;
    plugin.filePath = bundlePath;
    plugin.bundleID = metadata.bundleID;
    plugin.dateModified = dates.modified;
    plugin.installDate = dates.installed;
    plugin.category = metadata.category;
    plugin.bundleDescription = metadata.bundleDescription;
    plugin.auComponentType = metadata.auComponentType;
    plugin.auComponentSubType = metadata.auComponentSubType;
    plugin.auComponentManufacturer = metadata.auComponentManufacturer;
    return plugin;
}
