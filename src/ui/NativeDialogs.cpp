#include "ui/NativeDialogs.h"

#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>

namespace {

bool platformThemeLoaded()
{
    // Offscreen and minimal platforms never show a desktop's chooser.
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("xcb") && platform != QLatin1String("wayland"))
        return false;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORMTHEME") && qEnvironmentVariableIsEmpty("XDG_CURRENT_DESKTOP"))
        return false;
    const QDir themes(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platformthemes"));
    return !themes.entryList({QStringLiteral("*.so")}, QDir::Files).isEmpty();
}

} // namespace

NativeDialogs::NativeDialogs(QObject* parent)
    : QObject(parent)
    , m_available(platformThemeLoaded())
{
}
