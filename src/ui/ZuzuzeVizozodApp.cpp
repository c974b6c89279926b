#include "ui/ZuzuzeVizozodApp.h"

#include "ui/SystemColorScheme.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QTextStream>

#include <cstdio>

namespace {

const QString appearanceKey = QStringLiteral("appearanceMode");
const QString defaultAppearance = QStringLiteral("dark");
const QString qmlFolder = QStringLiteral("qrc:/qt/qml/ZuzuzeVizozod/");

ZuzuzeVizozodApp* currentInstance = nullptr;

} // namespace

ZuzuzeVizozodApp::ZuzuzeVizozodApp(CatalogStore& container, ScanRoots roots, const QString& settingsPath,
                                   QObject* parent)
    : QObject(parent)
    , m_container(container)
    , m_roots(std::move(roots))
    , m_settings(settingsPath.isEmpty()
                     ? std::make_unique<QSettings>(QStringLiteral("zuzuze-vizozod"), QStringLiteral("zuzuze-vizozod"))
                     : std::make_unique<QSettings>(settingsPath, QSettings::IniFormat))
    , m_systemScheme(new SystemColorScheme(this))
    , m_appearanceMode(m_settings->value(appearanceKey, defaultAppearance).toString())
{
    m_isDark = isDarkFor(m_appearanceMode, m_systemScheme->isDark());
    connect(m_systemScheme, &SystemColorScheme::isDarkChanged, this, &ZuzuzeVizozodApp::updateIsDark);
    currentInstance = this;
}

ZuzuzeVizozodApp::~ZuzuzeVizozodApp()
{
    closeAllWindows();
    if (currentInstance == this)
        currentInstance = nullptr;
}

QVariant ZuzuzeVizozodApp::preference(const QString& key, const QVariant& fallback) const
{
    return m_settings->value(key, fallback);
}

void ZuzuzeVizozodApp::setPreference(const QString& key, const QVariant& value)
{
    if (m_settings->value(key) == value)
        return;
    m_settings->setValue(key, value);
    m_settings->sync();
}

ZuzuzeVizozodApp* ZuzuzeVizozodApp::create(QQmlEngine* engine, QJSEngine*)
{
    if (currentInstance) {
        QJSEngine::setObjectOwnership(currentInstance, QJSEngine::CppOwnership);
        if (!currentInstance->m_engine)
            currentInstance->m_engine = engine;
    }
    return currentInstance;
}

ZuzuzeVizozodApp* ZuzuzeVizozodApp::instance()
{
    return currentInstance;
}

void ZuzuzeVizozodApp::setAppearanceMode(const QString& mode)
{
    if (mode == m_appearanceMode)
        return;
    m_appearanceMode = mode;
    m_settings->setValue(appearanceKey, mode);
    m_settings->sync();
    Q_EMIT appearanceModeChanged();
    updateIsDark();
}

void ZuzuzeVizozodApp::updateIsDark()
{
    const bool dark = isDarkFor(m_appearanceMode, m_systemScheme->isDark());
    if (dark == m_isDark)
        return;
    m_isDark = dark;
    Q_EMIT isDarkChanged();
}

bool ZuzuzeVizozodApp::isDarkFor(const QString& mode, bool systemIsDark)
{
    if (mode == QLatin1StringView("dark"))
        return true;
    if (mode == QLatin1StringView("light"))
        return false;
    return systemIsDark;
}

PluginStore* ZuzuzeVizozodApp::createPluginStore(QObject* owner)
{
    auto* store = new PluginStore(m_container, m_roots, owner);
    QJSEngine::setObjectOwnership(store, QJSEngine::CppOwnership);
    return store;
}

void ZuzuzeVizozodApp::refreshLibrary()
{
    Q_EMIT refreshLibraryRequested();
}

QQuickWindow* ZuzuzeVizozodApp::newWindow()
{
    QQuickWindow* window = createWindow(QStringLiteral("ContentView.qml"));
    if (!window)
        return nullptr;
    m_windows.append(window);
    // A closed main window is gone for good, with its store and scanners.
    connect(window, &QWindow::visibleChanged, this, [this, window](bool visible) {
        if (visible)
            return;
        m_windows.removeAll(window);
        window->deleteLater();
        Q_EMIT windowCountChanged();
    });
    Q_EMIT windowCountChanged();
    return window;
}

void ZuzuzeVizozodApp::showSettings()
{
    if (!m_settingsWindow)
        m_settingsWindow = createWindow(QStringLiteral("SettingsView.qml"));
    if (m_settingsWindow) {
        m_settingsWindow->show();
        m_settingsWindow->raise();
        m_settingsWindow->requestActivate();
    }
}

void ZuzuzeVizozodApp::closeAllWindows()
{
    const QList<QPointer<QQuickWindow>> windows = std::exchange(m_windows, {});
    for (const QPointer<QQuickWindow>& window : windows)
        delete window.data();
    delete m_settingsWindow.data();
    if (!windows.isEmpty())
        Q_EMIT windowCountChanged();
}

QList<QQuickWindow*> ZuzuzeVizozodApp::windows() const
{
    QList<QQuickWindow*> result;
    for (const QPointer<QQuickWindow>& window : m_windows)
        if (window)
            result.append(window);
    return result;
}

QQuickWindow* ZuzuzeVizozodApp::createWindow(const QString& file)
{
    if (!m_engine)
        return nullptr;
    QQmlComponent component(m_engine, QUrl(qmlFolder + file));
    QObject* object = component.create();
    auto* window = qobject_cast<QQuickWindow*>(object);
    if (!window) {
        // Only a broken build gets here; say why instead of showing nothing.
        QTextStream(stderr) << component.errorString();
        delete object;
        return nullptr;
    }
    QQmlEngine::setObjectOwnership(window, QQmlEngine::CppOwnership);
    return window;
}
