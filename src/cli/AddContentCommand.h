#pragma once

#include "cli/Command.h"

// `add-content FOLDER...`: stores the folders as content roots to measure.
class AddContentCommand final : public Command {
public:
    QString name() const override;
    QString summary() const override;
    QString synopsis() const override;
    void addOptions(QCommandLineParser& parser) const override;
    int run(const QStringList& arguments, const QCommandLineParser& parser,
            const CommandContext& context) override;
};
