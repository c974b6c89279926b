#pragma once

#include "discovery/UnreadableFolder.h"

#include <QList>
#include <QString>

// Text for the terminal, as UTF-8. Every message on standard error starts with the program name.
namespace ConsoleOutput {
inline const QString programName = QStringLiteral("zuzuze-vizozod");

void out(const QString& text);
void err(const QString& text);
void error(const QString& message);
void warning(const QString& message);
// The scanner's diagnostic line for each folder, one line each, on standard error.
void tellUnreadable(const QList<UnreadableFolder>& folders);
// The message, then the usage text, on standard error; returns ExitStatus::usage.
[[nodiscard]] int usageError(const QString& message, const QString& usage);
} // namespace ConsoleOutput
