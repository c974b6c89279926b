#pragma once

#include "presentation/PluginGroup.h"

#include <QString>

class LibraryViewModel;
class PluginRecord;

// Finds the plug-in a NAME argument means among the library's groups: the group of that name,
// in any case; failing that, the one group whose name begins with it.
class PluginLookup {
public:
    PluginLookup(const LibraryViewModel& model, const QString& name);

    [[nodiscard]] bool found() const { return m_record != nullptr; }
    [[nodiscard]] const PluginGroup& group() const { return m_group; }
    // The record the library's card edits for the group.
    [[nodiscard]] PluginRecord* record() const { return m_record; }
    // Why nothing was found, naming the candidates; empty when found.
    [[nodiscard]] QString error() const { return m_error; }

private:
    PluginGroup m_group;
    PluginRecord* m_record = nullptr;
    QString m_error;
};
