#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// There are no security-scoped bookmarks here: a grant's bookmark data is the folder's
// absolute path as UTF-8. Access hooks stay where a sandboxed platform needs them.
namespace FolderBookmark {
QByteArray create(const QString& folderPath);
// No value for empty data or data that is not valid UTF-8 naming an absolute path.
std::optional<QString> resolve(const QByteArray& bookmarkData);
inline void startAccessing(const QString&) {}
inline void stopAccessing(const QString&) {}
} // namespace FolderBookmark
