#pragma once

#include "cli/Command.h"

// `show NAME [--json]`: one plug-in's detail, as its expanded card shows it.
class ShowCommand final : public Command {
public:
    QString name() const override;
    QString summary() const override;
    QString synopsis() const override;
    void addOptions(QCommandLineParser& parser) const override;
    int run(const QStringList& arguments, const QCommandLineParser& parser,
            const CommandContext& context) override;
};
