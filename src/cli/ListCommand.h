#pragma once

#include "cli/Command.h"
#include "cli/LibraryFilterOptions.h"

// `list [--json]`: the library list, filtered and in sections, as the library tab shows it.
class ListCommand final : public Command {
public:
    QString name() const override;
    QString summary() const override;
    QString synopsis() const override;
    void addOptions(QCommandLineParser& parser) const override;
    int run(const QStringList& arguments, const QCommandLineParser& parser,
            const CommandContext& context) override;

private:
    LibraryFilterOptions m_filterOptions;
};
