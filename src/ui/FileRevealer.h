#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <functional>

class QJSEngine;
class QQmlEngine;

// Shows a file or folder in the desktop's file manager, selected: the freedesktop FileManager1
// service on the session bus, else the folder holding it opened by the desktop's default
// handler. Nothing waits: the bus call answers later. Tests swap the launcher to see what would
// be shown without starting a file manager.
class FileRevealer : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    // Takes the path (text form, see FilePathBytes); false when nothing could be asked to show it.
    using Launcher = std::function<bool(const QString& path)>;

    explicit FileRevealer(QObject* parent = nullptr);

    static FileRevealer* create(QQmlEngine* engine, QJSEngine* scriptEngine);

    // False for an empty path or when no launcher would take it.
    Q_INVOKABLE bool reveal(const QString& path);

    // An empty launcher brings back the desktop's.
    static void setLauncher(Launcher launcher);

private:
    static bool showOnDesktop(const QString& path);
};
