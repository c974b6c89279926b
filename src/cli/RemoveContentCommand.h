#pragma once

#include "cli/Command.h"

// `remove-content FOLDER...`: removes content roots with the libraries measured under them.
class RemoveContentCommand final : public Command {
public:
    QString name() const override;
    QString summary() const override;
    QString synopsis() const override;
    void addOptions(QCommandLineParser& parser) const override;
    int run(const QStringList& arguments, const QCommandLineParser& parser,
            const CommandContext& context) override;
};
