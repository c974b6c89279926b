#pragma once

#include "cli/Command.h"

// `demo-library DIR [--bundles N] [--seed S]`: writes the sample plug-in library.
class DemoLibraryCommand final : public Command {
public:
    QString name() const override;
    QString summary() const override;
    QString synopsis() const override;
    void addOptions(QCommandLineParser& parser) const override;
    int run(const QStringList& arguments, const QCommandLineParser& parser,
            const CommandContext& context) override;
};
