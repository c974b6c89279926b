#include "cli/FoldersCommand.h"

#include "cli/CatalogSession.h"
#include "cli/ConsoleOutput.h"
#include "cli/ExitStatus.h"
#include "cli/TextTable.h"
#include "discovery/PluginScanner.h"
#include "model/BundleByteTotal.h"
#include "model/ByteCountFormat.h"
#include "model/CatalogStore.h"
#include "model/FilePathBytes.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

const QString jsonOption = QStringLiteral("json");

struct GrantRow {
    QString path;
    bool standardLocation = false;
    bool exists = false;
    int installs = 0; // found installs under the folder
    qint64 bytes = 0;
};

QList<GrantRow> grantRows(const CatalogStore& store, const ScanRoots& roots) {
    const PluginScanner scanner(roots);
    QList<GrantRow> rows;
    for (const ScanBookmark* grant : store.scanBookmarks()) {
        GrantRow row{grant->path(), scanner.isStandardLocation(grant->path()), FilePathBytes::isFolder(grant->path())};
        const QString prefix = grant->path().endsWith(u'/') ? grant->path() : grant->path() + u'/';
        BundleByteTotal bundleBytes;
        for (const PluginInstall* install : store.installs()) {
            if (install->status() == InstallStatus::found && install->filePath().startsWith(prefix)) {
                ++row.installs;
                row.bytes += bundleBytes.add(*install);
            }
        }
        rows.append(row);
    }
    std::sort(rows.begin(), rows.end(), [](const GrantRow& a, const GrantRow& b) { return a.path < b.path; });
    return rows;
}

QList<ContentLibraryFolder*> contentFolders(const CatalogStore& store) {
    QList<ContentLibraryFolder*> folders = store.contentFolders();
    std::sort(folders.begin(), folders.end(),
              [](const ContentLibraryFolder* a, const ContentLibraryFolder* b) { return a->path() < b->path(); });
    return folders;
}

int libraryCount(const CatalogStore& store, const QString& rootPath) {
    const QList<ContentLibraryItem*> items = store.contentItemsWithRootPath(rootPath);
    return int(std::count_if(items.begin(), items.end(), [](const ContentLibraryItem* item) {
        return item->status() == ContentLibraryStatus::found;
    }));
}

QString statusText(bool found) {
    return rawValue(found ? ContentLibraryStatus::found : ContentLibraryStatus::notFound);
}

QString text(const CatalogStore& store, const ScanRoots& roots) {
    QString out = QStringLiteral("Plug-in folders\n");
    const QList<GrantRow> grants = grantRows(store, roots);
    if (grants.isEmpty()) {
        out += QStringLiteral("  None granted; grant some with \"%1 grant FOLDER...\".\n").arg(ConsoleOutput::programName);
    } else {
        TextTable table({QStringLiteral("Path"), QStringLiteral("Kind"), QStringLiteral("Status"),
                         QStringLiteral("Installs"), QStringLiteral("Size")});
        table.setRightAligned(3);
        table.setRightAligned(4);
        for (const GrantRow& row : grants)
            table.addRow({row.path, row.standardLocation ? QStringLiteral("standard") : QStringLiteral("folder"),
                          statusText(row.exists), QString::number(row.installs), formatByteCount(row.bytes)});
        out += table.toString();
    }

    out += QStringLiteral("\nContent folders\n");
    const QList<ContentLibraryFolder*> folders = contentFolders(store);
    if (folders.isEmpty()) {
        out += QStringLiteral("  None added; add some with \"%1 add-content FOLDER...\".\n").arg(ConsoleOutput::programName);
        return out;
    }
    TextTable table({QStringLiteral("Path"), QStringLiteral("Name"), QStringLiteral("Publisher"),
                     QStringLiteral("Status"), QStringLiteral("Libraries"), QStringLiteral("Size"),
                     QStringLiteral("Last scan")});
    table.setRightAligned(4);
    table.setRightAligned(5);
    for (const ContentLibraryFolder* folder : folders) {
        const QDateTime scanned = folder->lastScannedAt();
        table.addRow({folder->path(), folder->name(), folder->publisher(), rawValue(folder->status()),
                      QString::number(libraryCount(store, folder->path())), formatByteCount(folder->totalBytes()),
                      scanned.isValid() ? scanned.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))
                                        : QStringLiteral("never")});
    }
    return out + table.toString();
}

QString json(const CatalogStore& store, const ScanRoots& roots) {
    QJsonArray grants;
    for (const GrantRow& row : grantRows(store, roots))
        grants.append(QJsonObject{{QStringLiteral("path"), row.path},
                                  {QStringLiteral("standardLocation"), row.standardLocation},
                                  {QStringLiteral("status"), statusText(row.exists)},
                                  {QStringLiteral("installs"), row.installs},
                                  {QStringLiteral("bytes"), row.bytes}});
    QJsonArray folders;
    for (const ContentLibraryFolder* folder : contentFolders(store)) {
        const QDateTime scanned = folder->lastScannedAt();
        folders.append(QJsonObject{
            {QStringLiteral("path"), folder->path()},
            {QStringLiteral("name"), folder->name()},
            {QStringLiteral("publisher"), folder->publisher()},
            {QStringLiteral("status"), rawValue(folder->status())},
            {QStringLiteral("libraries"), libraryCount(store, folder->path())},
            {QStringLiteral("bytes"), folder->totalBytes()},
            {QStringLiteral("lastScannedAt"),
             scanned.isValid() ? QJsonValue(scanned.toUTC().toString(Qt::ISODateWithMs)) : QJsonValue()}});
    }
    const QJsonObject object{{QStringLiteral("grants"), grants}, {QStringLiteral("contentFolders"), folders}};
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented));
}

} // namespace

QString FoldersCommand::name() const {
    return QStringLiteral("folders");
}

QString FoldersCommand::summary() const {
    return QStringLiteral("Lists the granted plug-in folders and the content folders.");
}

QString FoldersCommand::synopsis() const {
    return QStringLiteral("[--json] [--store PATH]");
}

void FoldersCommand::addOptions(QCommandLineParser& parser) const {
    parser.addOption(QCommandLineOption(jsonOption, QStringLiteral("Print one JSON object instead of tables.")));
}

int FoldersCommand::run(const QStringList& arguments, const QCommandLineParser& parser,
                        const CommandContext& context) {
    if (!arguments.isEmpty())
        return ConsoleOutput::usageError(QStringLiteral("folders takes no arguments."), context.usage);
    const auto store = CatalogSession::open(context.storePath);
    if (!store)
        return ExitStatus::failure;
    ConsoleOutput::out(parser.isSet(jsonOption) ? json(*store, context.roots) : text(*store, context.roots));
    return ExitStatus::success;
}
