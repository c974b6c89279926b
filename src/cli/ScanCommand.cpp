#include "cli/ScanCommand.h"

#include "cli/ConsoleOutput.h"
#include "cli/DiagnosticsToStandardError.h"
#include "cli/ExitStatus.h"
#include "cli/ScannedPluginText.h"
#include "discovery/FolderBookmark.h"
#include "discovery/PluginScanner.h"
#include "model/FilePathBytes.h"

#include <QEventLoop>
#include <QFutureWatcher>

#include <algorithm>

namespace {

const QString jsonOption = QStringLiteral("json");

QMap<QString, QByteArray> grantsFor(const QStringList& folders) {
    QMap<QString, QByteArray> grants;
    for (const QString& folder : folders) {
        const QString path = FilePathBytes::absolute(folder);
        if (!FilePathBytes::exists(path)) {
            ConsoleOutput::warning(QStringLiteral("%1 does not exist; skipping it.").arg(path));
            continue;
        }
        if (!FilePathBytes::isFolder(path)) {
            ConsoleOutput::warning(QStringLiteral("%1 is not a folder; skipping it.").arg(path));
            continue;
        }
        grants.insert(path, FolderBookmark::create(path));
    }
    return grants;
}

// The command line may wait; the event loop runs in case the scanner reports back through it.
PluginScanResult waitFor(QFuture<PluginScanResult> future) {
    if (!future.isFinished()) {
        QEventLoop loop;
        QFutureWatcher<PluginScanResult> watcher;
        QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
        watcher.setFuture(future);
        if (!future.isFinished())
            loop.exec();
    }
    future.waitForFinished();
    return future.resultCount() > 0 ? future.result() : PluginScanResult();
}

} // namespace

QString ScanCommand::name() const {
    return QStringLiteral("scan");
}

QString ScanCommand::summary() const {
    return QStringLiteral("Scans folders for plug-in bundles and lists what it finds.");
}

QString ScanCommand::synopsis() const {
    return QStringLiteral("[--json] [--system-root DIR] [--home DIR] FOLDER...");
}

void ScanCommand::addOptions(QCommandLineParser& parser) const {
    parser.addOption(
        QCommandLineOption(jsonOption, QStringLiteral("Print one JSON array instead of a table.")));
    parser.addPositionalArgument(
        QStringLiteral("FOLDER"),
        QStringLiteral("A folder to scan, as if granted: a standard plug-in folder is walked as its "
                       "format folders, any other folder recursively."),
        QStringLiteral("FOLDER..."));
}

int ScanCommand::run(const QStringList& arguments, const QCommandLineParser& parser,
                     const CommandContext& context) {
    if (arguments.isEmpty())
        return ConsoleOutput::usageError(QStringLiteral("scan needs at least one FOLDER."), context.usage);
    const bool json = parser.isSet(jsonOption);
    const DiagnosticsToStandardError redirect(json);

    const QMap<QString, QByteArray> grants = grantsFor(arguments);
    PluginScanner scanner(context.roots);
    const PluginScanResult scanned = waitFor(scanner.scan(grants));
    ConsoleOutput::tellUnreadable(scanned.unreadableFolders);
    QList<ScannedPlugin> plugins = scanned.plugins;
    std::sort(plugins.begin(), plugins.end(),
              [](const ScannedPlugin& a, const ScannedPlugin& b) { return a.filePath < b.filePath; });

    ConsoleOutput::out(json ? ScannedPluginText::json(plugins) : ScannedPluginText::table(plugins));
    return ExitStatus::success;
}
