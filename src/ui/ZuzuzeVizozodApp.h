#pragma once

#include "discovery/ScanRoots.h"
#include "model/CatalogStore.h"
#include "store/PluginStore.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QSettings>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <memory>

class SystemColorScheme;

// The application as its windows see it: the one catalogue, the appearance preference, the
// "Refresh Library" command that reaches every main window, and the windows themselves.
class ZuzuzeVizozodApp : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(CatalogStore* container READ container CONSTANT)
    Q_PROPERTY(QString appearanceMode READ appearanceMode WRITE setAppearanceMode NOTIFY appearanceModeChanged)
    Q_PROPERTY(bool isDark READ isDark NOTIFY isDarkChanged)
    Q_PROPERTY(QString systemRoot READ systemRoot CONSTANT)
    Q_PROPERTY(QString homeFolder READ homeFolder CONSTANT)
    Q_PROPERTY(int windowCount READ windowCount NOTIFY windowCountChanged)

public:
    // `settingsPath` names an INI file in place of the user's preferences (tests).
    ZuzuzeVizozodApp(CatalogStore& container, ScanRoots roots, const QString& settingsPath = {},
                     QObject* parent = nullptr);
    ~ZuzuzeVizozodApp() override;

    // The QML engine's instance: the one the process made last.
    static ZuzuzeVizozodApp* create(QQmlEngine* engine, QJSEngine* scriptEngine);
    [[nodiscard]] static ZuzuzeVizozodApp* instance();

    [[nodiscard]] CatalogStore* container() const { return &m_container; }
    [[nodiscard]] const ScanRoots& roots() const { return m_roots; }
    [[nodiscard]] QString systemRoot() const { return m_roots.systemRoot; }
    [[nodiscard]] QString homeFolder() const { return m_roots.home; }

    // "dark", "light" or "auto" (default "dark"); any other stored text behaves as "auto".
    [[nodiscard]] QString appearanceMode() const { return m_appearanceMode; }
    void setAppearanceMode(const QString& mode);
    [[nodiscard]] bool isDark() const { return m_isDark; }
    [[nodiscard]] static bool isDarkFor(const QString& mode, bool systemIsDark);

    // Other view habits kept across launches ("librarySortKey", "libraryCompactView" ...); the
    // fallback when the key was never written.
    [[nodiscard]] Q_INVOKABLE QVariant preference(const QString& key, const QVariant& fallback) const;
    Q_INVOKABLE void setPreference(const QString& key, const QVariant& value);

    // A window's own refresh driver, destroyed with `owner`.
    [[nodiscard]] Q_INVOKABLE PluginStore* createPluginStore(QObject* owner);
    // Asks every main window to refresh (the "ZuzuzeVizozod.refreshLibrary" notification).
    Q_INVOKABLE void refreshLibrary();
    // Opens one more main window; null when the engine is missing or the window failed to load.
    Q_INVOKABLE QQuickWindow* newWindow();
    Q_INVOKABLE void showSettings();
    // Closes and destroys every window this object opened.
    void closeAllWindows();

    // Where windows are created; set before newWindow().
    void setEngine(QQmlEngine* engine) { m_engine = engine; }
    [[nodiscard]] QList<QQuickWindow*> windows() const;
    [[nodiscard]] int windowCount() const { return int(windows().size()); }
    [[nodiscard]] QQuickWindow* settingsWindow() const { return m_settingsWindow; }

    [[nodiscard]] static QString notificationName() { return QStringLiteral("ZuzuzeVizozod.refreshLibrary"); }

Q_SIGNALS:
    void refreshLibraryRequested();
    void appearanceModeChanged();
    void isDarkChanged();
    void windowCountChanged();

private:
    [[nodiscard]] QQuickWindow* createWindow(const QString& file);
    void updateIsDark();

    CatalogStore& m_container;
    ScanRoots m_roots;
    std::unique_ptr<QSettings> m_settings;
    SystemColorScheme* m_systemScheme;
    QString m_appearanceMode;
    bool m_isDark = true;
    QPointer<QQmlEngine> m_engine;
    QList<QPointer<QQuickWindow>> m_windows;
    QPointer<QQuickWindow> m_settingsWindow;
};
