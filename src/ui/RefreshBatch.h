#pragma once

#include "store/PluginStore.h"

#include <QObject>
#include <QPointer>

// Holds back a view's reaction to catalogue changes while its refresh driver runs, so that the
// thousands of objects one refresh touches cost one update when it ends instead of one per turn
// of the event loop. The end is announced only after the catalogue has delivered the change
// signals of the refresh's last write.
class RefreshBatch : public QObject {
    Q_OBJECT

public:
    explicit RefreshBatch(QObject* parent = nullptr);

    void setPluginStore(PluginStore* pluginStore);

    // True while a refresh runs or its end is still to be announced.
    [[nodiscard]] bool isRunning() const;
    // True, with the change remembered for ended(), when the caller must wait for the end.
    [[nodiscard]] bool hold();
    // Whether a change waits for ended().
    [[nodiscard]] bool isHolding() const { return m_held; }

Q_SIGNALS:
    // Once per refresh; `changed` when a change was held back meanwhile.
    void ended(bool changed);

private:
    void finish();
    void announceEnd();

    QPointer<PluginStore> m_pluginStore;
    bool m_scanning = false;
    bool m_ending = false;
    bool m_held = false;
};
