#pragma once

#include "cli/Command.h"

// `grant FOLDER...`: stores a plug-in scan grant per folder, renewing one that exists.
class GrantCommand final : public Command {
public:
    QString name() const override;
    QString summary() const override;
    QString synopsis() const override;
    void addOptions(QCommandLineParser& parser) const override;
    int run(const QStringList& arguments, const QCommandLineParser& parser,
            const CommandContext& context) override;
};
