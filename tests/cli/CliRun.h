#pragma once

#include <QJsonObject>
#include <QProcessEnvironment>
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

// The built program (beside the test program) run as a child process, as a user runs it, with
// `environment` as its whole environment; exitCode -1 when it crashed or ran past two minutes.
CliRun runProgram(const QStringList& arguments, const QProcessEnvironment& environment);
// Any other program, the same way.
CliRun runProgram(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment);
// The object a command printed as JSON; a test failure when it is not one.
QJsonObject jsonObject(const QString& text);

// The test's environment without a display: no DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM.
QProcessEnvironment environmentWithoutDisplay();
