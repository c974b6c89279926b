#include "cli/CatalogSession.h"

#include "cli/ConsoleOutput.h"
#include "model/CatalogStore.h"
#include "model/FilePathBytes.h"

namespace CatalogSession {

std::unique_ptr<CatalogStore> open(const QString& path) {
    QString description;
    std::unique_ptr<CatalogStore> store = path == CatalogStore::defaultPath()
                                              ? CatalogStore::openDefault(&description)
                                              : CatalogStore::open(path, &description);
    if (!store)
        // The desktop's start-up line, word for word, so scripts see one message for both.
        ConsoleOutput::err(QStringLiteral("Failed to create ModelContainer: ") + description + u'\n');
    return store;
}

bool save(CatalogStore& store) {
    const StoreResult saved = store.save();
    if (!saved)
        ConsoleOutput::error(QStringLiteral("Could not save the catalogue: ") + saved.errorDescription());
    return saved.ok();
}

QString absolutePath(const QString& argument) {
    return FilePathBytes::absolute(argument);
}

} // namespace CatalogSession
