#include "ui/FileRevealer.h"

#include "model/FilePathBytes.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {

FileRevealer::Launcher& currentLauncher()
{
    static FileRevealer::Launcher launcher;
    return launcher;
}

// A file URL carrying the path's exact bytes, also those that are not UTF-8.
QString fileUri(const QString& path)
{
    return QStringLiteral("file://") + QString::fromLatin1(QUrl::toPercentEncoding(FilePathBytes::encode(path), "/"));
}

} // namespace

FileRevealer::FileRevealer(QObject* parent) : QObject(parent) {}

FileRevealer* FileRevealer::create(QQmlEngine*, QJSEngine*)
{
    return new FileRevealer;
}

bool FileRevealer::reveal(const QString& path)
{
    if (path.isEmpty())
        return false;
    const Launcher& launcher = currentLauncher();
    return launcher ? launcher(path) : showOnDesktop(path);
}

void FileRevealer::setLauncher(Launcher launcher)
{
    currentLauncher() = std::move(launcher);
}

bool FileRevealer::showOnDesktop(const QString& path)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QUrl folder = QUrl(fileUri(QFileInfo(path).path()));
    if (!bus.isConnected())
        return QDesktopServices::openUrl(folder);
    QDBusMessage call =
        QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
                                       QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{fileUri(path)} << QString();
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call));
    // No file manager on the bus: the folder itself, the best the desktop can do.
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher, [folder](QDBusPendingCallWatcher* finished) {
        if (finished->isError())
            QDesktopServices::openUrl(folder);
        finished->deleteLater();
    });
    return true;
}
