#include "ui/DesktopApp.h"

#include "ui/DesktopSession.h"

#include <QGuiApplication>
#include <QTextStream>

namespace DesktopApp {

int run(int argc, char** argv, const DesktopOptions& options)
{
    // Ties the window to the installed desktop entry (its icon and name on Wayland and X11).
    QGuiApplication::setDesktopFileName(QStringLiteral(ZV_APP_ID));
    QGuiApplication application(argc, argv);
    DesktopSession session(options);
    QString error;
    if (!session.start(&error)) {
        QTextStream(stderr) << error << Qt::endl;
        return 1;
    }
    return application.exec();
}

bool displayAvailable()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty())
        return !platform.startsWith("offscreen") && !platform.startsWith("minimal");
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace DesktopApp
