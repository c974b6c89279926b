#pragma once

#include <QByteArray>
#include <QString>

class CatalogStore;

// The catalogue's folder grants, as every front end changes them: one grant and one content root
// per path, renewed when given again; a content root leaves with the libraries measured under it.
// Nothing is saved here; the caller saves once for all its changes.
namespace FolderGrants {

enum class Change { added, renewed };

Change grantScanFolder(CatalogStore& store, const QString& path, const QByteArray& bookmark);
// The number of grants removed (0 when the path was not granted).
int revokeScanFolder(CatalogStore& store, const QString& path);

// Names the root after its last component and its publisher after the path, and marks it found.
Change addContentFolder(CatalogStore& store, const QString& path, const QByteArray& bookmark);
// The number of libraries removed with the root; -1 when there is no content root at the path.
int removeContentFolder(CatalogStore& store, const QString& path);

// A folder's last component, or the path itself for a root such as "/".
[[nodiscard]] QString folderName(const QString& path);

} // namespace FolderGrants
