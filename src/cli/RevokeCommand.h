#pragma once

#include "cli/Command.h"

// `revoke FOLDER...`: removes the plug-in scan grants of the folders.
class RevokeCommand final : public Command {
public:
    QString name() const override;
    QString summary() const override;
    QString synopsis() const override;
    void addOptions(QCommandLineParser& parser) const override;
    int run(const QStringList& arguments, const QCommandLineParser& parser,
            const CommandContext& context) override;
};
