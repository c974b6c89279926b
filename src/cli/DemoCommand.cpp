#include "cli/DemoCommand.h"

#include "cli/CatalogSession.h"
#include "cli/ConsoleOutput.h"
#include "cli/ExitStatus.h"
#include "cli/LibraryListing.h"
#include "cli/RefreshRun.h"
#include "model/CatalogStore.h"
#include "sample/DemoSetup.h"

QString DemoCommand::name() const {
    return QStringLiteral("demo");
}

QString DemoCommand::summary() const {
    return QStringLiteral("Catalogues a generated sample library, leaving your own catalogue alone.");
}

QString DemoCommand::synopsis() const {
    return QString();
}

void DemoCommand::addOptions(QCommandLineParser&) const {}

int DemoCommand::run(const QStringList& arguments, const QCommandLineParser&, const CommandContext& context) {
    if (!arguments.isEmpty())
        return ConsoleOutput::usageError(QStringLiteral("demo takes no arguments."), context.usage);
    const QString root = DemoSetup::defaultLibraryPath();
    if (!DemoSetup::libraryIsCurrent(root))
        ConsoleOutput::err(QStringLiteral("Writing the sample library to %1 ...\n").arg(root));
    QString reason;
    if (!DemoSetup::ensureLibrary(root, &reason)) {
        ConsoleOutput::error(reason);
        return ExitStatus::failure;
    }
    const auto store = CatalogSession::open(DemoSetup::defaultStorePath());
    if (!store)
        return ExitStatus::failure;
    DemoSetup::grantFolders(*store, root);
    if (!CatalogSession::save(*store))
        return ExitStatus::failure;

    // The sample tree is the system to scan, so its standard folders are standard locations.
    const RefreshRun refresh = RefreshRun::run(*store, DemoSetup::roots(root));
    if (!refresh.error.isEmpty()) {
        ConsoleOutput::error(QStringLiteral("The refresh failed: ") + refresh.error);
        return ExitStatus::failure;
    }
    LibraryListing listing(*store);
    listing.update();
    ConsoleOutput::out(listing.text() + u'\n' + refresh.summary.totalsText() +
                       QStringLiteral("\nSample library: %1\nCatalogue: %2\n").arg(root, store->path()));
    return ExitStatus::success;
}
