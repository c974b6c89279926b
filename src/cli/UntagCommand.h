#pragma once

#include "cli/Command.h"

// `untag NAME TAG...`: removes tags from a plug-in.
class UntagCommand final : public Command {
public:
    QString name() const override;
    QString summary() const override;
    QString synopsis() const override;
    void addOptions(QCommandLineParser& parser) const override;
    int run(const QStringList& arguments, const QCommandLineParser& parser,
            const CommandContext& context) override;
};
