#pragma once

#include <QSet>
#include <QString>

class PluginInstall;

// A byte sum over installs in which a bundle holding several plug-ins (one install each, all at
// the bundle's path) counts once. Saturates instead of overflowing.
class BundleByteTotal {
public:
    // The bytes the install adds: its size, or nothing when a plug-in of the same bundle was
    // counted already.
    qint64 add(const PluginInstall& install);
    [[nodiscard]] qint64 total() const { return m_total; }

private:
    QSet<QString> m_paths;
    qint64 m_total = 0;
};
