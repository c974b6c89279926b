#include "cli/FavoriteCommand.h"

#include "cli/ConsoleOutput.h"
#include "cli/RecordEdit.h"
#include "model/PluginRecord.h"

namespace {
const QString offOption = QStringLiteral("off");
}

QString FavoriteCommand::name() const {
    return QStringLiteral("favorite");
}

QString FavoriteCommand::summary() const {
    return QStringLiteral("Marks a plug-in as a favorite, or with --off no longer.");
}

QString FavoriteCommand::synopsis() const {
    return QStringLiteral("NAME [--off] [--store PATH]");
}

void FavoriteCommand::addOptions(QCommandLineParser& parser) const {
    parser.addOption(QCommandLineOption(offOption, QStringLiteral("Remove the plug-in from the favorites.")));
    parser.addPositionalArgument(
        QStringLiteral("NAME"),
        QStringLiteral("The plug-in's name as listed, in any case, or the start of it."));
}

int FavoriteCommand::run(const QStringList& arguments, const QCommandLineParser& parser,
                         const CommandContext& context) {
    if (arguments.size() != 1)
        return ConsoleOutput::usageError(QStringLiteral("favorite needs exactly one NAME."), context.usage);
    const bool favorite = !parser.isSet(offOption);
    return RecordEdit::run(context, arguments.first(),
                           [favorite](PluginRecord& record, const QString& shownName) {
                               record.setIsFavorite(favorite);
                               return favorite ? shownName + QStringLiteral(" is a favorite.")
                                               : shownName + QStringLiteral(" is not a favorite.");
                           });
}
