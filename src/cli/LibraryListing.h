#pragma once

#include "presentation/LibraryViewModel.h"

#include <QList>
#include <QString>

class CatalogStore;
class PluginRecord;

// The catalogue's library list as the desktop's library tab builds it (records by name, grouped,
// filtered, in sections), and its text and JSON for the terminal.
class LibraryListing {
public:
    explicit LibraryListing(const CatalogStore& store);

    [[nodiscard]] FilterState& filter() { return *m_model.filterState(); }
    // Rebuilds the sections from the store's records and the filter.
    void update();
    [[nodiscard]] const LibraryViewModel& model() const { return m_model; }

    // The title line, then each section's header with its count and one line per plug-in:
    // name, category · publisher, formats, Rosetta marker, size, date. Empty states as the
    // library shows them.
    [[nodiscard]] QString text() const;
    // {"totalGroupCount": N, "sections": [{"header": ..., "groups": [every group field]}]}.
    [[nodiscard]] QString json() const;

private:
    QList<PluginRecord*> m_records;
    LibraryViewModel m_model;
};
