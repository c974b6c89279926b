#include "ui/RefreshBatch.h"

#include <QMetaObject>

#include <utility>

RefreshBatch::RefreshBatch(QObject* parent) : QObject(parent) {}

void RefreshBatch::setPluginStore(PluginStore* pluginStore)
{
    if (m_pluginStore == pluginStore)
        return;
    if (m_pluginStore)
        disconnect(m_pluginStore, nullptr, this, nullptr);
    m_pluginStore = pluginStore;
    m_scanning = m_pluginStore && m_pluginStore->isScanning();
    if (m_pluginStore) {
        connect(m_pluginStore, &PluginStore::isScanningChanged, this, [this] {
            m_scanning = m_pluginStore->isScanning();
            if (!m_scanning)
                finish();
        });
        connect(m_pluginStore, &QObject::destroyed, this, [this] {
            m_scanning = false;
            finish();
        });
    }
    // What was held for a driver given up must not wait for it.
    if (!isRunning() && m_held)
        finish();
}

bool RefreshBatch::isRunning() const
{
    return m_scanning || m_ending;
}

bool RefreshBatch::hold()
{
    if (!isRunning())
        return false;
    m_held = true;
    return true;
}

void RefreshBatch::finish()
{
    if (m_ending)
        return;
    m_ending = true;
    // The catalogue posts its change signals as it is written, before the refresh ends: a
    // queued announcement reaches the observers after them.
    QMetaObject::invokeMethod(this, &RefreshBatch::announceEnd, Qt::QueuedConnection);
}

void RefreshBatch::announceEnd()
{
    m_ending = false;
    Q_EMIT ended(std::exchange(m_held, false));
}
