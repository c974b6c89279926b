#include "content/ContentLibraryScanner.h"

#include "model/FilePathBytes.h"

#include "content/ContentVendors.h"
#include "discovery/DirectorySize.h"
#include "discovery/FolderBookmark.h"
#include "model/LocaleCompare.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QScopeGuard>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

QSet<QString> setOf(std::initializer_list<const char*> texts)
{
    QSet<QString> set;
    for (const char* text : texts)
        set.insert(QString::fromLatin1(text));
    return set;
}

QString childPath(const QString& folder, const QString& name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

std::optional<QString> firstVendor(const QString& lowerName, const QString* lowerPath)
{
    for (const auto& row : ContentVendors::knownVendors) {
        if (lowerName.contains(row.needle) || (lowerPath && lowerPath->contains(row.needle)))
            return QString(row.vendor);
    }
    return std::nullopt;
}

ContentLibraryItemInfo unmeasuredItem(const QString& folder, const QString& publisher)
{
    ContentLibraryItemInfo item;
    item.path = folder;
    item.name = ContentLibraryScanner::folderName(folder);
    item.publisher = publisher;
    return item;
}

ContentLibraryScanResult notFoundResult(const QString& path)
{
    return {path, 0, ContentLibraryStatus::notFound, QDateTime::currentDateTimeUtc(), {}, {}};
}

// Nothing there, or not a folder: nothing to read rather than a folder that cannot be read.
bool isAbsence(int error)
{
    return error == ENOENT || error == ENOTDIR;
}

QList<UnreadableFolder> withoutRepeats(const QList<UnreadableFolder>& folders)
{
    QList<UnreadableFolder> unique;
    QSet<QString> seen;
    for (const UnreadableFolder& folder : folders)
        if (!seen.contains(folder.path)) {
            seen.insert(folder.path);
            unique.append(folder);
        }
    return unique;
}

bool isDirectoryEntry(int dirFd, const dirent* entry)
{
    if (entry->d_type == DT_DIR)
        return true;
    if (entry->d_type != DT_UNKNOWN)
        return false;
    struct stat info {};
    return ::fstatat(dirFd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

ContentLibraryScanner::ContentLibraryScanner(QObject* parent) : QObject(parent)
{
    m_pool.setMaxThreadCount(1);
}

ContentLibraryScanner::~ContentLibraryScanner()
{
    cancel();
    m_pool.waitForDone();
}

QFuture<QList<ContentLibraryScanResult>> ContentLibraryScanner::scan(const QList<ContentLibraryScanTarget>& targets)
{
    const quint64 generation = ++m_lastGeneration;
    return QtConcurrent::run(&m_pool, [this, targets, generation] { return scanAll(targets, generation); });
}

void ContentLibraryScanner::cancel()
{
    m_cancelledThrough.store(m_lastGeneration.load());
}

const QSet<QString>& ContentLibraryScanner::pluginPackageExtensions()
{
    static const QSet<QString> extensions = setOf({"component", "vst", "vst3", "aaxplugin", "clap", "app"});
    return extensions;
}

const QSet<QString>& ContentLibraryScanner::metadataDirectoryNames()
{
    static const QSet<QString> names =
        setOf({"dist_database", "image", "installed_products", "ni resources", "service center"});
    return names;
}

const QSet<QString>& ContentLibraryScanner::packageExtensions()
{
    // Bundles a macOS file browser shows as single files; their insides are never libraries.
    static const QSet<QString> extensions =
        pluginPackageExtensions() + setOf({"bundle", "framework", "plugin", "kext", "pkg", "mpkg", "logicx", "band"});
    return extensions;
}

QList<ContentLibraryScanResult> ContentLibraryScanner::scanAll(const QList<ContentLibraryScanTarget>& targets,
                                                               quint64 generation)
{
    QList<ContentLibraryScanResult> results;
    results.reserve(targets.size());
    Progress run{generation, 0};
    for (const ContentLibraryScanTarget& target : targets) {
        std::optional<ContentLibraryScanResult> result = scanTarget(target, run);
        if (!result)
            break;
        results.append(std::move(*result));
    }
    return results;
}

std::optional<ContentLibraryScanResult> ContentLibraryScanner::scanTarget(const ContentLibraryScanTarget& target,
                                                                          Progress& run)
{
    if (isCancelled(run.generation))
        return std::nullopt;
    const std::optional<QString> resolved = FolderBookmark::resolve(target.bookmarkData);
    if (!resolved)
        return notFoundResult(target.path);
    const QString root = QDir::cleanPath(*resolved);
    FolderBookmark::startAccessing(root);
    const auto stopAccessing = qScopeGuard([&root] { FolderBookmark::stopAccessing(root); });
    if (!FilePathBytes::exists(root))
        return notFoundResult(target.path);

    const QDateTime scannedAt = QDateTime::currentDateTimeUtc();
    QList<UnreadableFolder> unreadable;
    QList<ContentLibraryItemInfo> items = discoverLibraries(root, run.generation, unreadable);
    // The libraries are walked together, so reads of several folders overlap.
    QStringList paths;
    paths.reserve(items.size());
    for (const ContentLibraryItemInfo& item : std::as_const(items))
        paths.append(item.path);
    const quint64 generation = run.generation;
    const QList<qint64> sizes = directorySizes(
        paths, [this, generation] { return isCancelled(generation); },
        [this, &run](qsizetype) { Q_EMIT progress(++run.measured); }, &unreadable);
    if (isCancelled(run.generation))
        return std::nullopt;
    qint64 totalBytes = 0;
    for (qsizetype i = 0; i < items.size(); ++i) {
        ContentLibraryItemInfo& item = items[i];
        item.rootPath = target.path;
        item.scannedAt = scannedAt;
        item.totalBytes = sizes[i];
        totalBytes += item.totalBytes;
    }
    if (items.isEmpty())
        totalBytes = directorySizes({root}, {}, {}, &unreadable).value(0);
    return ContentLibraryScanResult{target.path, totalBytes, ContentLibraryStatus::found, scannedAt, std::move(items),
                                    withoutRepeats(unreadable)};
}

QList<ContentLibraryItemInfo> ContentLibraryScanner::discoverLibraries(const QString& rootFolder, quint64 generation,
                                                                       QList<UnreadableFolder>& unreadable) const
{
    const std::optional<QString> rootVendor = vendorFromPath(rootFolder);
    const QList<ContentLibraryItemInfo> found = discover(rootFolder, 0, rootVendor, generation, unreadable);
    if (!found.isEmpty())
        return dedupeAndSort(found);
    // A root that is itself one vendor's library, e.g. a folder inside a vendor's folder.
    if (rootVendor && !isVolumeRoot(rootFolder) && !isPluginFolderPath(rootFolder))
        return {unmeasuredItem(rootFolder, *rootVendor)};
    return {};
}

// Items come back unmeasured; the caller measures each once, after duplicates are gone.
QList<ContentLibraryItemInfo> ContentLibraryScanner::discover(const QString& folder, int depth,
                                                              const std::optional<QString>& inheritedVendor,
                                                              quint64 generation,
                                                              QList<UnreadableFolder>& unreadable) const
{
    if (isCancelled(generation))
        return {};
    const QStringList children = listChildFolders(folder, &unreadable);
    std::optional<QString> vendor = vendorFromFolderName(folder);
    if (!vendor)
        vendor = inheritedVendor;

    QList<ContentLibraryItemInfo> found;
    if (vendor && isLibraryContainer(folder, children)) {
        for (const QString& child : children)
            found.append(unmeasuredItem(child, vendorFromPath(child).value_or(*vendor)));
        return found;
    }

    for (const QString& child : children) {
        const std::optional<QString> childVendor = vendorFromFolderName(child);
        if (!childVendor) {
            if (!vendor && isDescendCandidate(child, depth))
                found.append(discover(child, depth + 1, std::nullopt, generation, unreadable));
            continue;
        }
        const QStringList subFolders = listChildFolders(child, &unreadable);
        if (isLibraryContainer(child, subFolders)) {
            for (const QString& sub : subFolders)
                found.append(unmeasuredItem(sub, vendorFromPath(sub).value_or(*childVendor)));
        } else {
            found.append(unmeasuredItem(child, *childVendor));
        }
    }
    return dedupeAndSort(found);
}

QStringList ContentLibraryScanner::listChildFolders(const QString& folderPath, QList<UnreadableFolder>* unreadable)
{
    DIR* dir = ::opendir(FilePathBytes::encode(folderPath).constData());
    if (!dir) {
        const int error = errno;
        if (unreadable && !isAbsence(error))
            unreadable->append({folderPath, qt_error_string(error)});
        return {};
    }
    const auto closeDir = qScopeGuard([dir] { ::closedir(dir); });
    const int dirFd = ::dirfd(dir);

    QStringList names;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (!entry) {
            if (errno != 0)
                return {};
            break;
        }
        // Hidden entries, "." and "..".
        if (entry->d_name[0] == '.')
            continue;
        // A link is never a folder here, which also keeps the walk free of loops.
        if (!isDirectoryEntry(dirFd, entry))
            continue;
        const QString name = FilePathBytes::decode(entry->d_name);
        // A name that does not survive decoding could not be opened again by its path.
        if (FilePathBytes::encode(name) != entry->d_name)
            continue;
        const QString lowerName = name.toLower();
        const QString extension = pathExtension(lowerName);
        if (isPluginFolderPath(childPath(folderPath, name)) || packageExtensions().contains(extension) ||
            metadataDirectoryNames().contains(lowerName))
            continue;
        names.append(name);
    }

    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int order = localizedStandardCompare(a, b);
        return order != 0 ? order < 0 : a < b;
    });
    QStringList paths;
    paths.reserve(names.size());
    for (const QString& name : names)
        paths.append(childPath(folderPath, name));
    return paths;
}

QString ContentLibraryScanner::folderName(const QString& path)
{
    qsizetype end = path.size();
    while (end > 1 && path.at(end - 1) == QLatin1Char('/'))
        --end;
    const QString trimmed = path.left(end);
    const QString last = trimmed.mid(trimmed.lastIndexOf(QLatin1Char('/')) + 1);
    return last.isEmpty() ? path : last;
}

QString ContentLibraryScanner::pathExtension(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.mid(dot + 1) : QString();
}

std::optional<QString> ContentLibraryScanner::vendorFromPath(const QString& path)
{
    const QString lowerPath = path.toLower();
    return firstVendor(folderName(path).toLower(), &lowerPath);
}

std::optional<QString> ContentLibraryScanner::vendorFromFolderName(const QString& path)
{
    return firstVendor(folderName(path).toLower(), nullptr);
}

bool ContentLibraryScanner::isVendorFolderName(const QString& path)
{
    const QString name = folderName(path).toLower();
    if (name.contains(QLatin1StringView(" - ")))
        return false;
    for (QLatin1StringView vendorName : ContentVendors::vendorFolderNames) {
        if (name == vendorName)
            return true;
    }
    for (QLatin1StringView generic : ContentVendors::genericLibraryFolderNames) {
        if (name == generic)
            return true;
        const qsizetype space = name.size() - generic.size() - 1;
        if (space >= 0 && name.endsWith(generic) && name.at(space) == QLatin1Char(' '))
            return true;
    }
    return false;
}

bool ContentLibraryScanner::isVolumeRoot(const QString& path)
{
    const QString standardized = QDir::cleanPath(path);
    if (standardized == QLatin1String("/"))
        return true;
    const QString parent = standardized.left(standardized.lastIndexOf(QLatin1Char('/')));
    if (parent == QLatin1String("/Volumes") || parent == QLatin1String("/mnt"))
        return true;
    // Removable media mount under a folder named after the user.
    for (QLatin1StringView base : {QLatin1StringView("/media/"), QLatin1StringView("/run/media/")}) {
        if (parent.startsWith(base) && parent.size() > base.size() &&
            !parent.mid(base.size()).contains(QLatin1Char('/')))
            return true;
    }
    return false;
}

bool ContentLibraryScanner::isPluginFolderPath(const QString& path)
{
    const QString lower = path.toLower();
    return lower.contains(QLatin1StringView("/library/audio/plug-ins")) ||
           lower.contains(QLatin1StringView("/application support/avid/audio/plug-ins"));
}

bool ContentLibraryScanner::isDescendCandidate(const QString& childPath, int depth)
{
    if (depth > maxDiscoveryDepth - 1)
        return false;
    const QString name = folderName(childPath).toLower();
    if (name.startsWith(QLatin1Char('.')) || name == QLatin1String("cache") || name == QLatin1String("caches") ||
        name == QLatin1String("backups.backupdb"))
        return false;
    if (isPluginFolderPath(childPath) || pluginPackageExtensions().contains(pathExtension(name)))
        return false;
    if (depth >= 2)
        return isVendorFolderName(childPath) || name == QLatin1String("application support") ||
               name == QLatin1String("music") || name == QLatin1String("shared");
    return true;
}

bool ContentLibraryScanner::isLibraryContainer(const QString& folderPath, const QStringList& children)
{
    if (children.isEmpty() || isVolumeRoot(folderPath))
        return false;
    const QString name = folderName(folderPath).toLower();
    if (name == QLatin1String("application support") || name == QLatin1String("library") ||
        name == QLatin1String("audio"))
        return false;
    return isVendorFolderName(folderPath);
}

QList<ContentLibraryItemInfo> ContentLibraryScanner::dedupeAndSort(const QList<ContentLibraryItemInfo>& items)
{
    QList<ContentLibraryItemInfo> unique;
    QSet<QString> seen;
    for (const ContentLibraryItemInfo& item : items) {
        if (!seen.contains(item.path)) {
            seen.insert(item.path);
            unique.append(item);
        }
    }
    std::stable_sort(unique.begin(), unique.end(), [](const ContentLibraryItemInfo& a, const ContentLibraryItemInfo& b) {
        if (a.publisher != b.publisher) {
            const int order = localizedStandardCompare(a.publisher, b.publisher);
            // Publishers that differ only in ways the collation ignores still need a fixed order.
            return order != 0 ? order < 0 : a.publisher < b.publisher;
        }
        return localizedStandardCompare(a.name, b.name) < 0;
    });
    return unique;
}

QString ContentLibraryScanner::contentFolderDisplayName(const QString& path)
{
    if (const std::optional<QString> vendor = vendorFromPath(path))
        return *vendor;
    const QString name = folderName(path);
    if (!name.contains(QLatin1StringView(" - ")))
        return name;
    // "Title - 2019": the title, hyphens inside it kept.
    const QStringList pieces = name.split(QLatin1StringView(" - "), Qt::SkipEmptyParts);
    for (const QString& piece : pieces) {
        const QString title = piece.trimmed();
        if (!title.isEmpty())
            return title;
    }
    return name.trimmed();
}
