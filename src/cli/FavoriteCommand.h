#pragma once

#include "cli/Command.h"

// `favorite NAME [--off]`: marks a plug-in as a favorite, or no longer.
class FavoriteCommand final : public Command {
public:
    QString name() const override;
    QString summary() const override;
    QString synopsis() const override;
    void addOptions(QCommandLineParser& parser) const override;
    int run(const QStringList& arguments, const QCommandLineParser& parser,
            const CommandContext& context) override;
};
