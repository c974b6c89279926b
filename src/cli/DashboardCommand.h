#pragma once

#include "cli/Command.h"

// `dashboard [--json]`: the dashboard's figures and disk-usage tables.
class DashboardCommand final : public Command {
public:
    QString name() const override;
    QString summary() const override;
    QString synopsis() const override;
    void addOptions(QCommandLineParser& parser) const override;
    int run(const QStringList& arguments, const QCommandLineParser& parser,
            const CommandContext& context) override;
};
