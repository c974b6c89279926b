#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class CatalogStore;
struct CommandContext;

// The shape of grant, revoke, add-content and remove-content: each FOLDER argument, made absolute,
// is handled in one catalogue, saved once at the end.
namespace FolderCommandRun {

// `handle` returns the report line for a folder, or nothing after printing why it was refused.
// Exit status: usage without a FOLDER, failure when the catalogue cannot be opened or saved or any
// folder was refused.
using Handler = std::function<std::optional<QString>(CatalogStore& store, const QString& path)>;
[[nodiscard]] int run(const QString& commandName, const QStringList& arguments, const CommandContext& context,
                      const Handler& handle);

} // namespace FolderCommandRun
