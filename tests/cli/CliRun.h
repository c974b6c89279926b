#pragma once

#include <QString>
#include <QStringList>

// One in-process run of the command line with standard output and error captured.
struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// `arguments` follow the program name.
CliRun runCli(const QStringList& arguments);
