#include "ui/DesktopSession.h"

#include "model/CatalogStore.h"
#include "sample/DemoSetup.h"
#include "ui/SymbolImageProvider.h"
#include "ui/ZuzuzeVizozodApp.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QQmlEngine>
#include <QQuickStyle>

// Generated with the QML module; registers its types when linked in.
void qml_register_types_ZuzuzeVizozod();

DesktopSession::DesktopSession(DesktopOptions options, QString settingsPath)
    : m_options(std::move(options))
    , m_settingsPath(std::move(settingsPath))
{
}

DesktopSession::~DesktopSession()
{
    if (m_app)
        m_app->closeAllWindows();
    m_engine.reset();
    m_app.reset();
    m_store.reset();
}

void DesktopSession::prepareStyle()
{
    // Fusion follows the palette each window sets, in dark and in light. The style is set once,
    // before the first QML that uses the controls.
    const QString style = QStringLiteral("Fusion");
    if (QQuickStyle::name() != style)
        QQuickStyle::setStyle(style);
    SymbolImageProvider::prepareIconTheme();
}

void DesktopSession::prepareEngine(QQmlEngine& engine)
{
    // The module is a static library: referring to its registration keeps it in the program.
    volatile auto registration = &qml_register_types_ZuzuzeVizozod;
    Q_UNUSED(registration);
    // Where the module's qmldir lies; Qt looks there by itself only from 6.5 on.
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
    engine.addImageProvider(QStringLiteral("symbol"), new SymbolImageProvider);
}

bool DesktopSession::start(QString* errorDescription)
{
    prepareStyle();

    ScanRoots roots = m_options.roots;
    QString storePath = m_options.storePath;
    QString demoRoot;
    if (m_options.demo) {
        demoRoot = m_options.demoLibraryPath.isEmpty() ? DemoSetup::defaultLibraryPath()
                                                       : QDir::cleanPath(QFileInfo(m_options.demoLibraryPath).absoluteFilePath());
        QString reason;
        if (!DemoSetup::ensureLibrary(demoRoot, &reason)) {
            if (errorDescription)
                *errorDescription = QStringLiteral("Could not write the sample library: ") + reason;
            return false;
        }
        roots = DemoSetup::roots(demoRoot);
        if (storePath.isEmpty())
            storePath = DemoSetup::defaultStorePath();
    }

    QString reason;
    if (storePath.isEmpty()) {
        m_store = CatalogStore::openDefault(&reason);
    } else {
        QDir().mkpath(QFileInfo(storePath).absolutePath());
        m_store = CatalogStore::open(storePath, &reason);
    }
    if (!m_store) {
        if (errorDescription)
            *errorDescription = QStringLiteral("Failed to create ModelContainer: ") + reason;
        return false;
    }
    if (m_options.demo)
        DemoSetup::grantFolders(*m_store, demoRoot);

    m_app = std::make_unique<ZuzuzeVizozodApp>(*m_store, roots, m_settingsPath);
    m_engine = std::make_unique<QQmlEngine>();
    QObject::connect(m_engine.get(), &QQmlEngine::quit, QCoreApplication::instance(), &QCoreApplication::quit,
                     Qt::QueuedConnection);
    prepareEngine(*m_engine);
    m_app->setEngine(m_engine.get());
    m_app->newWindow();

    // Nothing is scanned at launch; the demo makes an exception for its first, empty catalogue.
    if (m_options.demo && m_store->records().isEmpty())
        m_app->refreshLibrary();
    return true;
}
