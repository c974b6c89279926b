#pragma once

#include "cli/Command.h"

// `note NAME TEXT`: replaces a plug-in's notes.
class NoteCommand final : public Command {
public:
    QString name() const override;
    QString summary() const override;
    QString synopsis() const override;
    void addOptions(QCommandLineParser& parser) const override;
    int run(const QStringList& arguments, const QCommandLineParser& parser,
            const CommandContext& context) override;
};
