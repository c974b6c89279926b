#pragma once

#include "model/CatalogStore.h"
#include "model/PluginInstall.h"
#include "model/PluginRecord.h"
#include "model/Tag.h"
#include "presentation/DashboardViewModel.h"
#include "presentation/FilterState.h"
#include "presentation/LibraryViewModel.h"
#include "store/PluginStore.h"

#include <QtQml/qqmlregistration.h>

// The core's objects as the views see them: typed properties and method calls, never created in QML.

struct ForeignCatalogStore {
    Q_GADGET
    QML_FOREIGN(CatalogStore)
    QML_NAMED_ELEMENT(CatalogStore)
    QML_UNCREATABLE("The application opens the one catalogue.")
};

struct ForeignPluginStore {
    Q_GADGET
    QML_FOREIGN(PluginStore)
    QML_NAMED_ELEMENT(PluginStore)
    QML_UNCREATABLE("Each window gets its own from ZuzuzeVizozodApp.createPluginStore.")
};

struct ForeignPluginRecord {
    Q_GADGET
    QML_FOREIGN(PluginRecord)
    QML_NAMED_ELEMENT(PluginRecord)
    QML_UNCREATABLE("Records belong to the catalogue.")
};

struct ForeignPluginInstall {
    Q_GADGET
    QML_FOREIGN(PluginInstall)
    QML_NAMED_ELEMENT(PluginInstall)
    QML_UNCREATABLE("Installs belong to the catalogue.")
};

struct ForeignTag {
    Q_GADGET
    QML_FOREIGN(Tag)
    QML_NAMED_ELEMENT(Tag)
    QML_UNCREATABLE("Tags belong to the catalogue.")
};

struct ForeignFilterState {
    Q_GADGET
    QML_FOREIGN(FilterState)
    QML_NAMED_ELEMENT(FilterState)
    QML_UNCREATABLE("The library view model owns it.")
};

struct ForeignLibraryViewModel {
    Q_GADGET
    QML_FOREIGN(LibraryViewModel)
    QML_NAMED_ELEMENT(LibraryViewModel)
    QML_UNCREATABLE("The library controller owns it.")
};

struct ForeignDashboardViewModel {
    Q_GADGET
    QML_FOREIGN(DashboardViewModel)
    QML_NAMED_ELEMENT(DashboardViewModel)
    QML_UNCREATABLE("The dashboard controller owns it.")
};
