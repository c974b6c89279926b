#include "discovery/PluginScanner.h"

#include "model/FilePathBytes.h"

#include "discovery/FolderBookmark.h"
#include "discovery/LinuxPluginFolders.h"

#include <QFile>
#include <QPromise>

#include <sys/stat.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString systemPlugIns = u"/Library/Audio/Plug-Ins"_s;
const QString avidPlugIns = u"/Library/Application Support/Avid/Audio/Plug-Ins"_s;

bool existsAt(const QString& path)
{
    struct stat info {};
    return ::stat(FilePathBytes::encode(path).constData(), &info) == 0;
}

} // namespace

PluginScanner::PluginScanner(ScanRoots roots, QObject* parent)
    : QObject(parent)
    , m_roots(std::move(roots))
{
    m_pool.setMaxThreadCount(1);
}

PluginScanner::~PluginScanner()
{
    cancel();
    m_pool.waitForDone();
}

QFuture<PluginScanResult> PluginScanner::scan(const QMap<QString, QByteArray>& grants)
{
    // A promise of our own rather than QtConcurrent::run: waiting on a QtConcurrent future
    // steals the queued task onto the waiting thread, and scans would then overlap.
    auto promise = std::make_shared<QPromise<PluginScanResult>>();
    QFuture<PluginScanResult> future = promise->future();
    promise->start();
    const quint64 scanNumber = ++m_scansIssued;
    m_pool.start([this, grants, scanNumber, promise] {
        const auto isCancelled = [&] {
            return promise->isCanceled() || m_cancelledThrough.load() >= scanNumber;
        };
        PluginScanResult found = runScan(grants, isCancelled);
        if (isCancelled())
            promise->future().cancel();
        else
            promise->addResult(std::move(found));
        promise->finish();
    });
    return future;
}

void PluginScanner::cancel()
{
    m_cancelledThrough.store(m_scansIssued.load());
}

PluginScanResult PluginScanner::runScan(const QMap<QString, QByteArray>& grants,
                                            const std::function<bool()>& isCancelled)
{
    BundleWalker walker(formatFolders(), {isCancelled, [this, &isCancelled](int folders, int bundles) {
                                              if (!isCancelled())
                                                  Q_EMIT progress(folders, bundles);
                                          }});
    const QList<PluginFolder> pluginFolders = LinuxPluginFolders::existing(m_roots);
    walker.setPluginFolders(pluginFolders);
    // Held until the walkers have measured what the walks found.
    QStringList accessed;
    for (auto it = grants.cbegin(); it != grants.cend() && !isCancelled(); ++it) {
        const QString& path = it.key();
        if (isContainerPluginFolder(path))
            continue;
        const std::optional<QString> folder = FolderBookmark::resolve(it.value());
        if (!folder)
            continue;
        FolderBookmark::startAccessing(*folder);
        accessed.append(*folder);
        if (isMacStandardLocation(path))
            walker.walkStandardLocation(*folder, path);
        else
            walker.walkRecursively(*folder);
        walker.reportProgress();
    }
    // QMap iterates in path order, so a later grant's value wins for a bundle seen twice. The
    // plug-ins sharing one bundle are told apart by their identifier.
    QMap<QString, ScannedPlugin> byPath;
    for (const QList<ScannedPlugin>& found : walker.finishWalks()) {
        for (const ScannedPlugin& plugin : found) {
            const QString key = plugin.pluginIdentifier.isEmpty() ? plugin.filePath
                                                                  : plugin.filePath + u'\n' + plugin.pluginIdentifier;
            ScannedPlugin& kept = byPath[key];
            // Met both in a Wine folder and through a bridge's copy: still bridged.
            const bool bridged = plugin.isBridged || (!kept.filePath.isEmpty() && kept.isBridged);
            kept = plugin;
            kept.isBridged = bridged;
        }
    }
    for (const QString& folder : std::as_const(accessed))
        FolderBookmark::stopAccessing(folder);
    walker.reportProgress();
    return {byPath.values(), walker.unreadableFolders()};
}

QList<StandardLocation> PluginScanner::standardLocations() const
{
    QList<StandardLocation> existing = macStandardLocations();
    for (const PluginFolder& folder : LinuxPluginFolders::existing(m_roots))
        if (std::none_of(existing.cbegin(), existing.cend(), [&](const StandardLocation& l) { return l.path == folder.path; }))
            existing.append({folder.path, folder.explanation});
    return existing;
}

QList<StandardLocation> PluginScanner::macStandardLocations() const
{
    const StandardLocation table[] = {
        {m_roots.underSystem(systemPlugIns),
         u"System Audio Plug-Ins folder — covers AU, VST, VST3, and CLAP"_s},
        {m_roots.underHome(systemPlugIns),
         u"User Audio Plug-Ins folder — catches plugins installed only for your account"_s},
        {m_roots.underSystem(avidPlugIns), u"System Avid folder — covers AAX"_s},
        {m_roots.underHome(avidPlugIns), u"User Avid folder — catches account-only AAX plugins"_s},
    };
    QList<StandardLocation> existing;
    for (const StandardLocation& location : table)
        if (existsAt(location.path))
            existing.append(location);
    return existing;
}

bool PluginScanner::isStandardLocation(const QString& path) const
{
    const QList<StandardLocation> locations = standardLocations();
    return std::any_of(locations.cbegin(), locations.cend(),
                       [&](const StandardLocation& location) { return location.path == path; });
}

bool PluginScanner::isMacStandardLocation(const QString& path) const
{
    const QList<StandardLocation> locations = macStandardLocations();
    return std::any_of(locations.cbegin(), locations.cend(),
                       [&](const StandardLocation& location) { return location.path == path; });
}

bool PluginScanner::isContainerPluginFolder(const QString& path)
{
    return path.contains(u"/Library/Containers/"_s) &&
           (path.endsWith(u"/Data/Library/Audio/Plug-Ins"_s) ||
            path.endsWith(u"/Data/Library/Application Support/Avid/Audio/Plug-Ins"_s));
}

QList<FormatFolder> PluginScanner::formatFolders() const
{
    QList<FormatFolder> folders;
    for (const QString& plugIns : {m_roots.underSystem(systemPlugIns), m_roots.underHome(systemPlugIns)}) {
        folders.append({plugIns + u"/Components"_s, PluginFormat::au});
        folders.append({plugIns + u"/VST"_s, PluginFormat::vst});
        folders.append({plugIns + u"/VST3"_s, PluginFormat::vst3});
        folders.append({plugIns + u"/CLAP"_s, PluginFormat::clap});
    }
    folders.append({m_roots.underSystem(avidPlugIns), PluginFormat::aax});
    folders.append({m_roots.underHome(avidPlugIns), PluginFormat::aax});
    return folders;
}
