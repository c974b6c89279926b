#pragma once

#include "cli/Command.h"
#include "cli/LibraryFilterOptions.h"

// `export FILE [--as FORMAT]`: writes the filtered library list as CSV, text, Markdown or PDF.
class ExportCommand final : public Command {
public:
    QString name() const override;
    QString summary() const override;
    QString synopsis() const override;
    void addOptions(QCommandLineParser& parser) const override;
    int run(const QStringList& arguments, const QCommandLineParser& parser,
            const CommandContext& context) override;
    bool needsGuiApplication(const QStringList& arguments, const QCommandLineParser& parser) const override;

private:
    LibraryFilterOptions m_filterOptions;
};
