#include "UiFixture.h"

#include "sample/BundleWriter.h"
#include "store/PluginStore.h"
#include "ui/FileRevealer.h"
#include "ui/ZuzuzeVizozodApp.h"

#include <QAccessible>
#include <QDir>
#include <QFileInfo>
#include <QMetaEnum>
#include <QQmlEngine>

UiFixture::UiFixture(QObject* parent)
    : QObject(parent)
{
}

UiFixture::~UiFixture()
{
    FileRevealer::setLauncher({});
    m_pluginStores.clear();
}

CatalogStore* UiFixture::newStore()
{
    const QString path = m_folder.filePath(QStringLiteral("catalog-%1.sqlite").arg(m_stores.size()));
    QString error;
    std::unique_ptr<CatalogStore> store = CatalogStore::open(path, &error);
    if (!store)
        return nullptr;
    store->setAutosaveEnabled(false);
    CatalogStore* result = store.get();
    QQmlEngine::setObjectOwnership(result, QQmlEngine::CppOwnership);
    m_stores.push_back(std::move(store));
    return result;
}

QString UiFixture::newFolder(const QStringList& subfolders)
{
    const QString path = m_folder.filePath(QStringLiteral("tree-%1").arg(m_folderCount++));
    QDir().mkpath(path);
    for (const QString& subfolder : subfolders)
        QDir(path).mkpath(subfolder);
    return path;
}

PluginStore* UiFixture::newPluginStore(CatalogStore* store, const QString& root)
{
    if (!store)
        return nullptr;
    auto pluginStore = std::make_unique<PluginStore>(*store, ScanRoots{root, root + QStringLiteral("/home")});
    PluginStore* result = pluginStore.get();
    QQmlEngine::setObjectOwnership(result, QQmlEngine::CppOwnership);
    m_pluginStores.push_back(std::move(pluginStore));
    return result;
}

void UiFixture::recordReveals()
{
    FileRevealer::setLauncher([this](const QString& path) {
        m_revealedPaths.append(path);
        return true;
    });
}

namespace {

// Depth first over the shown accessible nodes, bounded against a cycle in a broken tree.
template <typename Visit>
bool walkAccessible(QAccessibleInterface* node, bool includeHidden, int depth, int& budget, const Visit& visit)
{
    if (!node || !node->isValid() || (node->state().invisible && !includeHidden) || depth > 64 || --budget < 0)
        return false;
    if (visit(node))
        return true;
    for (int i = 0; i < node->childCount(); ++i)
        if (walkAccessible(node->child(i), includeHidden, depth + 1, budget, visit))
            return true;
    return false;
}

} // namespace

void UiFixture::activateAccessibility()
{
    QAccessible::setActive(true);
}

QStringList UiFixture::accessibleTree(QObject* window, bool includeHidden) const
{
    QStringList lines;
    int budget = 50000;
    const QMetaEnum roles = QMetaEnum::fromType<QAccessible::Role>();
    walkAccessible(QAccessible::queryAccessibleInterface(window), includeHidden, 0, budget, [&](QAccessibleInterface* node) {
        const QString name = node->text(QAccessible::Name);
        if (name.isEmpty())
            return false;
        QString line = QString::fromLatin1(roles.valueToKey(node->role())) + QStringLiteral(": ") + name;
        const QString description = node->text(QAccessible::Description);
        if (!description.isEmpty())
            line += QStringLiteral(" | ") + description;
        lines.append(line);
        return false;
    });
    return lines;
}

bool UiFixture::pressAccessible(QObject* window, const QString& name) const
{
    int budget = 50000;
    bool pressed = false;
    walkAccessible(QAccessible::queryAccessibleInterface(window), false, 0, budget, [&](QAccessibleInterface* node) {
        if (node->text(QAccessible::Name) != name)
            return false;
        QAccessibleActionInterface* actions = node->actionInterface();
        const QStringList names = actions ? actions->actionNames() : QStringList();
        for (const QString& action : {QAccessibleActionInterface::pressAction(), QAccessibleActionInterface::toggleAction()})
            if (names.contains(action)) {
                actions->doAction(action);
                pressed = true;
                break;
            }
        return true;
    });
    return pressed;
}

bool UiFixture::addBundle(const QString& path)
{
    const QString name = QFileInfo(path).completeBaseName();
    BundleSpec bundle;
    bundle.path = path;
    bundle.info = {{QStringLiteral("CFBundleName"), name},
                   {QStringLiteral("CFBundleIdentifier"), QStringLiteral("com.example.") + name},
                   {QStringLiteral("CFBundleExecutable"), name},
                   {QStringLiteral("CFBundleShortVersionString"), QStringLiteral("1.0")}};
    return BundleWriter::write(bundle);
}

bool UiFixture::addLinkLoop(const QString& path)
{
    return QFile::link(QFileInfo(path).fileName(), path);
}

QStringList UiFixture::makeAppStandardFolders()
{
    const ZuzuzeVizozodApp* app = ZuzuzeVizozodApp::instance();
    if (!app)
        return {};
    QStringList paths;
    for (const QString& root : {app->systemRoot(), app->homeFolder()}) {
        const QString path = root + QStringLiteral("/Library/Audio/Plug-Ins");
        if (QDir().mkpath(path))
            paths.append(path);
    }
    return paths;
}

void UiFixture::removeAppStandardFolders()
{
    if (const ZuzuzeVizozodApp* app = ZuzuzeVizozodApp::instance())
        for (const QString& root : {app->systemRoot(), app->homeFolder()})
            QDir(root + QStringLiteral("/Library")).removeRecursively();
}
