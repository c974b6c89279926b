#include "cli/RecordEdit.h"

#include "cli/CatalogSession.h"
#include "cli/ConsoleOutput.h"
#include "cli/ExitStatus.h"
#include "cli/LibraryListing.h"
#include "cli/PluginLookup.h"
#include "model/CatalogStore.h"

namespace RecordEdit {

int run(const CommandContext& context, const QString& name, const Edit& edit) {
    const auto store = CatalogSession::open(context.storePath);
    if (!store)
        return ExitStatus::failure;
    LibraryListing listing(*store);
    listing.update();
    const PluginLookup lookup(listing.model(), name);
    if (!lookup.found()) {
        ConsoleOutput::error(lookup.error());
        return ExitStatus::failure;
    }
    const QString done = edit(*lookup.record(), lookup.group().name);
    if (!CatalogSession::save(*store))
        return ExitStatus::failure;
    ConsoleOutput::out(done + u'\n');
    return ExitStatus::success;
}

} // namespace RecordEdit
