#pragma once

#include "model/CatalogStore.h"
#include "presentation/DashboardViewModel.h"
#include "store/PluginStore.h"
#include "ui/RefreshBatch.h"

#include <QObject>
#include <QPointer>
#include <QQmlParserStatus>
#include <QString>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

// The dashboard's figures as the view shows them (DashboardLayout's title, six stat cards and
// charts that have something to show, cut to their limits), for QML. The part whose inputs
// changed (plug-ins, or content roots and measured libraries) is recomputed, at most once per
// turn of the event loop, and once for a whole refresh of the window's driver, when it ends.
class DashboardController : public QObject, public QQmlParserStatus {
    Q_OBJECT
    QML_ELEMENT
    Q_INTERFACES(QQmlParserStatus)
    Q_PROPERTY(CatalogStore* store READ store WRITE setStore NOTIFY storeChanged)
    // The window's refresh driver: while it runs, the figures wait for its end.
    Q_PROPERTY(PluginStore* pluginStore READ pluginStore WRITE setPluginStore NOTIFY pluginStoreChanged)
    Q_PROPERTY(DashboardViewModel* viewModel READ viewModel CONSTANT)
    Q_PROPERTY(QString title READ title NOTIFY figuresChanged)
    // {title, value, symbol, tint}; tint names a colour: "blue", "indigo", "teal", "mint",
    // "green" or "orange".
    Q_PROPERTY(QVariantList statCards READ statCards NOTIFY figuresChanged)
    // {title, height, items: [{label, bytes, sizeText}]}, only the charts with items.
    Q_PROPERTY(QVariantList charts READ charts NOTIFY figuresChanged)
    Q_PROPERTY(int computeCount READ computeCount NOTIFY figuresChanged)

public:
    explicit DashboardController(QObject* parent = nullptr);
    ~DashboardController() override;

    [[nodiscard]] CatalogStore* store() const { return m_store; }
    void setStore(CatalogStore* store);
    [[nodiscard]] PluginStore* pluginStore() const { return m_pluginStore; }
    void setPluginStore(PluginStore* pluginStore);
    [[nodiscard]] DashboardViewModel* viewModel() const { return m_viewModel; }

    [[nodiscard]] QString title() const;
    [[nodiscard]] QVariantList statCards() const;
    [[nodiscard]] QVariantList charts() const;
    [[nodiscard]] int computeCount() const { return m_computeCount; }

    [[nodiscard]] static int chartHeight(int itemCount) { return itemCount * 36 + 20; }

    Q_INVOKABLE void compute();

    void classBegin() override {}
    void componentComplete() override;

Q_SIGNALS:
    void storeChanged();
    void pluginStoreChanged();
    void figuresChanged();

private:
    void scheduleCompute(bool plugins, bool content);
    // Recomputes the parts whose inputs changed since the last computation.
    void computeChanged();

    QPointer<CatalogStore> m_store;
    QPointer<PluginStore> m_pluginStore;
    DashboardViewModel* m_viewModel;
    RefreshBatch* m_refreshBatch;
    int m_computeCount = 0;
    bool m_computePending = false;
    bool m_pluginsChanged = false;
    bool m_contentChanged = false;
    bool m_complete = false;
};
