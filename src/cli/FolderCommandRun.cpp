#include "cli/FolderCommandRun.h"

#include "cli/CatalogSession.h"
#include "cli/CommandContext.h"
#include "cli/ConsoleOutput.h"
#include "cli/ExitStatus.h"
#include "model/CatalogStore.h"

namespace FolderCommandRun {

int run(const QString& commandName, const QStringList& arguments, const CommandContext& context,
        const Handler& handle) {
    if (arguments.isEmpty())
        return ConsoleOutput::usageError(QStringLiteral("%1 needs at least one FOLDER.").arg(commandName),
                                         context.usage);
    const auto store = CatalogSession::open(context.storePath);
    if (!store)
        return ExitStatus::failure;

    int refused = 0;
    QString report;
    for (const QString& argument : arguments) {
        if (const std::optional<QString> line = handle(*store, CatalogSession::absolutePath(argument)))
            report += *line + u'\n';
        else
            ++refused;
    }
    if (!CatalogSession::save(*store))
        return ExitStatus::failure;
    ConsoleOutput::out(report);
    return refused > 0 ? ExitStatus::failure : ExitStatus::success;
}

} // namespace FolderCommandRun
