#include "cli/TagCommand.h"

#include "cli/ConsoleOutput.h"
#include "cli/RecordEdit.h"
#include "model/PluginRecord.h"
#include "presentation/CardTexts.h"
#include "presentation/RecordTagging.h"

QString TagCommand::name() const {
    return QStringLiteral("tag");
}

QString TagCommand::summary() const {
    return QStringLiteral("Adds tags to a plug-in (lower-cased and trimmed; an existing tag is reused).");
}

QString TagCommand::synopsis() const {
    return QStringLiteral("NAME TAG... [--store PATH]");
}

void TagCommand::addOptions(QCommandLineParser& parser) const {
    parser.addPositionalArgument(
        QStringLiteral("NAME"),
        QStringLiteral("The plug-in's name as listed, in any case, or the start of it."));
    parser.addPositionalArgument(QStringLiteral("TAG"), QStringLiteral("A tag to add."),
                                 QStringLiteral("TAG..."));
}

int TagCommand::run(const QStringList& arguments, const QCommandLineParser&, const CommandContext& context) {
    if (arguments.size() < 2)
        return ConsoleOutput::usageError(QStringLiteral("tag needs a NAME and at least one TAG."),
                                         context.usage);
    for (const QString& tag : arguments.mid(1))
        if (RecordTagging::tagName(tag).isEmpty())
            return ConsoleOutput::usageError(QStringLiteral("a TAG cannot be blank."), context.usage);
    const QStringList tags = arguments.mid(1);
    return RecordEdit::run(
        context, arguments.first(), [&tags](PluginRecord& record, const QString& shownName) {
            for (const QString& tag : tags)
                RecordTagging::addTag(&record, tag);
            return QStringLiteral("Tags of %1: %2")
                .arg(shownName, CardTexts::sortedTagNames(&record).join(QStringLiteral(", ")));
        });
}
