#include "discovery/BundleWalker.h"

#include "discovery/BundleExtension.h"
#include "discovery/BundleMetadataReader.h"
#include "discovery/DirectoryReader.h"
#include "discovery/DirectorySize.h"
#include "model/Diagnostics.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

constexpr int progressInterval = 64;

bool existsAt(const QByteArray& path)
{
    struct stat info {};
    return ::stat(path.constData(), &info) == 0;
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
    if (::statx(AT_FDCWD, QFile::encodeName(bundlePath).constData(), AT_SYMLINK_NOFOLLOW,
                STATX_MTIME | STATX_BTIME, &info) != 0) {
        const QDateTime now = QDateTime::currentDateTimeUtc();
        return {now, now};
    }
    const QDateTime modified =
        (info.stx_mask & STATX_MTIME) ? utcFromTimestamp(info.stx_mtime) : QDateTime::currentDateTimeUtc();
    const QDateTime installed = (info.stx_mask & STATX_BTIME) ? utcFromTimestamp(info.stx_btime) : modified;
    return {modified, installed};
}

QString appendingComponent(const QString& folderPath, const QString& component)
{
    return folderPath.endsWith(u'/') ? folderPath + component : folderPath + u'/' + component;
}

} // namespace

BundleWalker::BundleWalker(QList<FormatFolder> formatFolders, Hooks hooks)
    : m_formatFolders(std::move(formatFolders))
    , m_hooks(std::move(hooks))
{
}

bool BundleWalker::isCancelled() const
{
    return m_hooks.isCancelled && m_hooks.isCancelled();
}

void BundleWalker::reportProgress()
{
    if (m_foldersWalked == m_reportedFolders && m_bundlesFound == m_reportedBundles)
        return;
    m_reportedFolders = m_foldersWalked;
    m_reportedBundles = m_bundlesFound;
    if (m_hooks.progress)
        m_hooks.progress(m_foldersWalked, m_bundlesFound);
}

void BundleWalker::countFolder()
{
    if (++m_foldersWalked % progressInterval == 0)
        reportProgress();
}

void BundleWalker::keep(QList<ScannedPlugin>& output, const QString& bundlePath, PluginFormat format)
{
    if (isCancelled())
        return;
    if (std::optional<ScannedPlugin> plugin = makeScannedPlugin(bundlePath, format)) {
        output.append(std::move(*plugin));
        ++m_bundlesFound;
    }
}

QList<ScannedPlugin> BundleWalker::scanStandardLocation(const QString& folderPath, const QString& rootPath)
{
    QList<ScannedPlugin> output;
    for (const FormatFolder& folder : std::as_const(m_formatFolders)) {
        if (folder.path != rootPath && !folder.path.startsWith(rootPath + u'/'))
            continue;
        QStringView remainder = QStringView(folder.path).mid(rootPath.size());
        while (remainder.startsWith(u'/'))
            remainder = remainder.mid(1);
        const QString url =
            remainder.isEmpty() ? folderPath : appendingComponent(folderPath, remainder.toString());
        output.append(scanFormatFolder(url, folder.format));
    }
    return output;
}

QList<ScannedPlugin> BundleWalker::scanFormatFolder(const QString& folderPath, PluginFormat format)
{
    const QByteArray path = QFile::encodeName(folderPath);
    if (isCancelled() || !existsAt(path))
        return {};
    DirectoryReader reader(path, true);
    if (!reader.isOpen()) {
        Diagnostics::print(u"[PluginScanner] Failed to enumerate "_s + folderPath + u": "_s +
                           qt_error_string(reader.error()));
        return {};
    }
    countFolder();
    QList<ScannedPlugin> output;
    DirectoryReader::Entry entry;
    while (reader.next(entry)) {
        if (BundleExtension::formatOfName(entry.name) == format)
            keep(output, QFile::decodeName(DirectoryReader::childPath(path, entry.name)), format);
    }
    return output;
}

QList<ScannedPlugin> BundleWalker::scanRecursively(const QString& folderPath)
{
    const QByteArray rootPath = QFile::encodeName(folderPath);
    if (!existsAt(rootPath))
        return {};
    QList<ScannedPlugin> output;
    // Depth-first without recursion; only real folders are pushed, so links cannot loop.
    QList<QByteArray> pending{rootPath};
    bool isRoot = true;
    while (!pending.isEmpty() && !isCancelled()) {
        const QByteArray path = pending.takeLast();
        DirectoryReader reader(path, isRoot);
        isRoot = false;
        if (!reader.isOpen())
            continue;
        countFolder();
        QList<QByteArray> subfolders;
        DirectoryReader::Entry entry;
        while (reader.next(entry)) {
            if (const std::optional<PluginFormat> format = BundleExtension::formatOfName(entry.name)) {
                // A plug-in's insides are never walked, whether or not it could be described.
                keep(output, QFile::decodeName(DirectoryReader::childPath(path, entry.name)), *format);
            } else if (entry.kind == DirectoryReader::Kind::directory) {
                subfolders.append(DirectoryReader::childPath(path, entry.name));
            }
        }
        for (auto it = subfolders.crbegin(); it != subfolders.crend(); ++it)
            pending.append(*it);
    }
    return output;
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
    plugin.fileSize = directorySize(bundlePath);
    plugin.dateModified = dates.modified;
    plugin.installDate = dates.installed;
    plugin.category = metadata.category;
    plugin.bundleDescription = metadata.bundleDescription;
    plugin.auComponentType = metadata.auComponentType;
    plugin.auComponentSubType = metadata.auComponentSubType;
    plugin.auComponentManufacturer = metadata.auComponentManufacturer;
    return plugin;
}
