#pragma once

#include "ui/DesktopOptions.h"

#include <QString>

#include <memory>

class CatalogStore;
class QQmlEngine;
class ZuzuzeVizozodApp;

// Everything the desktop application holds between start and exit, in the order it must be torn
// down: windows, then the QML engine, then the application object, then the catalogue, whose
// destruction writes any edit still pending. Needs a QGuiApplication.
class DesktopSession {
public:
    // `settingsPath` names an INI file in place of the user's preferences.
    explicit DesktopSession(DesktopOptions options, QString settingsPath = {});
    ~DesktopSession();
    DesktopSession(const DesktopSession&) = delete;
    DesktopSession& operator=(const DesktopSession&) = delete;

    // Opens the catalogue and the first main window. False with the line to print when the
    // catalogue cannot be opened ("Failed to create ModelContainer: " and the reason) or the
    // sample library cannot be written.
    [[nodiscard]] bool start(QString* errorDescription);

    [[nodiscard]] ZuzuzeVizozodApp* app() const { return m_app.get(); }
    [[nodiscard]] QQmlEngine* engine() const { return m_engine.get(); }
    [[nodiscard]] CatalogStore* store() const { return m_store.get(); }

    // The style, icon theme and image provider every engine of the application needs.
    static void prepareStyle();
    static void prepareEngine(QQmlEngine& engine);

private:
    DesktopOptions m_options;
    QString m_settingsPath;
    std::unique_ptr<CatalogStore> m_store;
    std::unique_ptr<ZuzuzeVizozodApp> m_app;
    std::unique_ptr<QQmlEngine> m_engine;
};
