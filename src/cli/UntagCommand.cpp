#include "cli/UntagCommand.h"

#include "cli/ConsoleOutput.h"
#include "cli/RecordEdit.h"
#include "model/PluginRecord.h"
#include "presentation/CardTexts.h"
#include "presentation/RecordTagging.h"

QString UntagCommand::name() const {
    return QStringLiteral("untag");
}

QString UntagCommand::summary() const {
    return QStringLiteral("Removes tags from a plug-in; the tags stay known for other plug-ins and filters.");
}

QString UntagCommand::synopsis() const {
    return QStringLiteral("NAME TAG... [--store PATH]");
}

void UntagCommand::addOptions(QCommandLineParser& parser) const {
    parser.addPositionalArgument(
        QStringLiteral("NAME"),
        QStringLiteral("The plug-in's name as listed, in any case, or the start of it."));
    parser.addPositionalArgument(QStringLiteral("TAG"), QStringLiteral("A tag to remove."),
                                 QStringLiteral("TAG..."));
}

int UntagCommand::run(const QStringList& arguments, const QCommandLineParser&,
                      const CommandContext& context) {
    if (arguments.size() < 2)
        return ConsoleOutput::usageError(QStringLiteral("untag needs a NAME and at least one TAG."),
                                         context.usage);
    const QStringList tags = arguments.mid(1);
    return RecordEdit::run(
        context, arguments.first(), [&tags](PluginRecord& record, const QString& shownName) {
            // Tags are stored as the tag field writes them, so the name given is read the same way.
            for (const QString& tag : tags)
                if (!RecordTagging::removeTag(&record, RecordTagging::tagName(tag)))
                    ConsoleOutput::warning(QStringLiteral("%1 has no tag \"%2\".").arg(shownName, tag));
            const QStringList left = CardTexts::sortedTagNames(&record);
            return left.isEmpty()
                       ? QStringLiteral("%1 has no tags.").arg(shownName)
                       : QStringLiteral("Tags of %1: %2").arg(shownName, left.join(QStringLiteral(", ")));
        });
}
