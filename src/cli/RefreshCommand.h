#pragma once

#include "cli/Command.h"

// `refresh [--json]`: runs one refresh of the catalogue and tells what changed.
class RefreshCommand final : public Command {
public:
    QString name() const override;
    QString summary() const override;
    QString synopsis() const override;
    void addOptions(QCommandLineParser& parser) const override;
    int run(const QStringList& arguments, const QCommandLineParser& parser,
            const CommandContext& context) override;
};
