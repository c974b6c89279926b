#include "model/BundleByteTotal.h"

#include "model/PluginInstall.h"

#include <limits>

qint64 BundleByteTotal::add(const PluginInstall& install)
{
    // Only the plug-ins of a multi-plug-in bundle carry an identifier; every other install is a
    // bundle of its own, even where a macOS path holds two formats.
    if (!install.pluginIdentifier().isEmpty()) {
        const qsizetype before = m_paths.size();
        m_paths.insert(install.filePath());
        if (m_paths.size() == before)
            return 0;
    }
    if (__builtin_add_overflow(m_total, install.fileSize(), &m_total))
        m_total = std::numeric_limits<qint64>::max();
    return install.fileSize();
}
