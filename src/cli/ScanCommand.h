#pragma once

#include "cli/Command.h"

// `scan [--json] FOLDER...`: scans the folders as grants and prints every plug-in bundle found.
class ScanCommand final : public Command {
public:
    QString name() const override;
    QString summary() const override;
    QString synopsis() const override;
    void addOptions(QCommandLineParser& parser) const override;
    int run(const QStringList& arguments, const QCommandLineParser& parser,
            const CommandContext& context) override;
};
