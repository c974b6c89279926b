#include "UiFixture.h"

#include "model/CatalogStore.h"
#include "ui/DesktopSession.h"
#include "ui/ZuzuzeVizozodApp.h"

#include <QQmlEngine>
#include <QTemporaryDir>
#include <QtQuickTest>

#include <memory>

// Gives every test file's engine the application's module, its image provider, an application
// object over an empty catalogue (preferences in a temporary file) and the UiFixture singleton.
class QuickTestSetup : public QObject {
    Q_OBJECT

public Q_SLOTS:
    void applicationAvailable()
    {
        DesktopSession::prepareStyle();
        QString error;
        m_store = CatalogStore::open(m_folder.filePath(QStringLiteral("app.sqlite")), &error);
        m_app = std::make_unique<ZuzuzeVizozodApp>(*m_store, ScanRoots{m_folder.path(), m_folder.filePath(QStringLiteral("home"))},
                                                   m_folder.filePath(QStringLiteral("settings.ini")));
        m_fixture = std::make_unique<UiFixture>();
    }

    void qmlEngineAvailable(QQmlEngine* engine)
    {
        DesktopSession::prepareEngine(*engine);
        m_app->setEngine(engine);
        qmlRegisterSingletonInstance("ZuzuzeVizozod.Testing", 1, 0, "UiFixture", m_fixture.get());
    }

    // While the application object still exists: the catalogues hold timers and a database.
    void cleanupTestCase()
    {
        m_fixture.reset();
        m_app.reset();
        m_store.reset();
    }

private:
    QTemporaryDir m_folder;
    std::unique_ptr<CatalogStore> m_store;
    std::unique_ptr<ZuzuzeVizozodApp> m_app;
    std::unique_ptr<UiFixture> m_fixture;
};

QUICK_TEST_MAIN_WITH_SETUP(ui_tests, QuickTestSetup)

#include "QuickTestMain.moc"
