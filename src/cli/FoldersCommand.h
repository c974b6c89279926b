#pragma once

#include "cli/Command.h"

// `folders [--json]`: lists the plug-in scan grants and the content roots.
class FoldersCommand final : public Command {
public:
    QString name() const override;
    QString summary() const override;
    QString synopsis() const override;
    void addOptions(QCommandLineParser& parser) const override;
    int run(const QStringList& arguments, const QCommandLineParser& parser,
            const CommandContext& context) override;
};
