#pragma once

#include "cli/CommandContext.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

// One subcommand: its name, its options and arguments, and what it does.
class Command {
public:
    virtual ~Command() = default;

    virtual QString name() const = 0;
    // One line in the list of commands.
    virtual QString summary() const = 0;
    // What follows the command name in its usage line.
    virtual QString synopsis() const = 0;
    // The command's options, and its positional arguments for the help text.
    virtual void addOptions(QCommandLineParser& parser) const = 0;
    // `arguments` are the positional arguments after the command name. Returns the exit status.
    virtual int run(const QStringList& arguments, const QCommandLineParser& parser,
                    const CommandContext& context) = 0;
    // True when the run draws (fonts, PDF) and so needs a GUI application rather than a core one.
    virtual bool needsGuiApplication(const QStringList& arguments, const QCommandLineParser& parser) const
    {
        Q_UNUSED(arguments);
        Q_UNUSED(parser);
        return false;
    }
};
