#pragma once

#include "model/CatalogStore.h"

#include <QObject>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <vector>

class PluginInstall;
class PluginRecord;

// What the Quick tests need from C++: fresh catalogues and records in them. Registered as the
// singleton UiFixture of the module ZuzuzeVizozod.Testing.
class UiFixture : public QObject {
    Q_OBJECT

public:
    explicit UiFixture(QObject* parent = nullptr);
    ~UiFixture() override;

    // An empty catalogue in a temporary folder, alive until the fixture goes.
    Q_INVOKABLE CatalogStore* newStore();
    Q_INVOKABLE PluginRecord* addRecord(CatalogStore* store, const QString& name, const QString& publisher,
                                        const QStringList& formats,
                                        const QString& architecture = QStringLiteral("Apple Silicon"));
    Q_INVOKABLE PluginInstall* addInstall(CatalogStore* store, PluginRecord* record, const QString& format,
                                          const QString& architecture, bool found);
    Q_INVOKABLE void addBookmark(CatalogStore* store, const QString& path);
    Q_INVOKABLE void removeRecord(CatalogStore* store, PluginRecord* record);
    // Names of every Tag record in the store, in store order.
    Q_INVOKABLE QStringList storedTagNames(CatalogStore* store) const;
    // The formats of a record's installs in its stored order.
    Q_INVOKABLE QStringList installFormats(PluginRecord* record) const;

private:
    QTemporaryDir m_folder;
    std::vector<std::unique_ptr<CatalogStore>> m_stores;
};
