#include "cli/NoteCommand.h"

#include "cli/ConsoleOutput.h"
#include "cli/RecordEdit.h"
#include "model/PluginRecord.h"

QString NoteCommand::name() const {
    return QStringLiteral("note");
}

QString NoteCommand::summary() const {
    return QStringLiteral("Replaces a plug-in's notes; an empty TEXT clears them.");
}

QString NoteCommand::synopsis() const {
    return QStringLiteral("NAME TEXT [--store PATH]");
}

void NoteCommand::addOptions(QCommandLineParser& parser) const {
    parser.addPositionalArgument(
        QStringLiteral("NAME"),
        QStringLiteral("The plug-in's name as listed, in any case, or the start of it."));
    parser.addPositionalArgument(QStringLiteral("TEXT"), QStringLiteral("The notes, as one argument."));
}

int NoteCommand::run(const QStringList& arguments, const QCommandLineParser&, const CommandContext& context) {
    if (arguments.size() != 2)
        return ConsoleOutput::usageError(
            QStringLiteral("note needs a NAME and one TEXT (quote the notes to keep them one argument)."),
            context.usage);
    const QString notes = arguments[1];
    return RecordEdit::run(
        context, arguments.first(), [&notes](PluginRecord& record, const QString& shownName) {
            record.setNotes(notes);
            return notes.isEmpty() ? QStringLiteral("Cleared the notes of %1.").arg(shownName)
                                   : QStringLiteral("Saved the notes of %1.").arg(shownName);
        });
}
