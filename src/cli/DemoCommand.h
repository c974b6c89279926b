#pragma once

#include "cli/Command.h"

// `demo`: refreshes a catalogue of its own over the sample library and prints it.
class DemoCommand final : public Command {
public:
    QString name() const override;
    QString summary() const override;
    QString synopsis() const override;
    void addOptions(QCommandLineParser& parser) const override;
    int run(const QStringList& arguments, const QCommandLineParser& parser,
            const CommandContext& context) override;
};
