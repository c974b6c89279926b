#pragma once

#include "model/CatalogStore.h"
#include "presentation/DashboardViewModel.h"

#include <QObject>
#include <QPointer>
#include <QQmlParserStatus>
#include <QString>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

// The dashboard's figures as the view shows them (DashboardLayout's title, six stat cards and
// charts that have something to show, cut to their limits), for QML. The part whose inputs
// changed (plug-ins, or content roots and measured libraries) is recomputed, at most once per
// turn of the event loop.
class DashboardController : public QObject, public QQmlParserStatus {
    Q_OBJECT
    QML_ELEMENT
    Q_INTERFACES(QQmlParserStatus)
    Q_PROPERTY(CatalogStore* store READ store WRITE setStore NOTIFY storeChanged)
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
    void figuresChanged();

private:
    void scheduleCompute(bool plugins, bool content);
    // Recomputes the parts whose inputs changed since the last computation.
    void computeChanged();

    QPointer<CatalogStore> m_store;
    DashboardViewModel* m_viewModel;
    int m_computeCount = 0;
    bool m_computePending = false;
    bool m_pluginsChanged = false;
    bool m_contentChanged = false;
    bool m_complete = false;
};
