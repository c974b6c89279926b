#pragma once

#include <QString>

// A folder a walk tried to list and could not (permissions, a link loop, a failing disk), with
// the system's reason in words.
struct UnreadableFolder {
    QString path;
    QString reason;

    bool operator==(const UnreadableFolder&) const = default;

    // The scanner's one diagnostic line for it.
    [[nodiscard]] QString diagnosticLine() const
    {
        return QStringLiteral("[PluginScanner] Failed to enumerate ") + path + QStringLiteral(": ") + reason;
    }
};
