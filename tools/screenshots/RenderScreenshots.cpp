// Renders the README's pictures of the desktop application: the library in dark and in light, a
// card opened on its detail, the dashboard, the folder-access sheet, the Linux and Windows
// plug-ins, and the in-window folder and save choosers. Runs on the sample library in a temporary folder; writes PNG files into the folder
// given as the only argument.

#include "model/CatalogStore.h"
#include "model/PluginRecord.h"
#include "presentation/FilterState.h"
#include "sample/DemoLibrary.h"
#include "sample/DemoSetup.h"
#include "ui/DesktopSession.h"
#include "ui/LibraryController.h"
#include "ui/TagActions.h"
#include "ui/ZuzuzeVizozodApp.h"

#include <QDir>
#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

namespace {

bool save(QQuickWindow* window, const QString& path)
{
    QTest::qWait(600); // animations and image loading settle
    const QImage image = window->grabWindow();
    if (image.isNull() || !image.save(path)) {
        QTextStream(stderr) << "Could not write " << path << Qt::endl;
        return false;
    }
    QTextStream(stdout) << "Wrote " << path << Qt::endl;
    return true;
}

PluginRecord* recordNamed(CatalogStore& store, const QString& name)
{
    for (PluginRecord* record : store.records())
        if (record->name() == name)
            return record;
    return nullptr;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    if (application.arguments().size() != 2) {
        QTextStream(stderr) << "Usage: ui_screenshots OUTPUT_FOLDER" << Qt::endl;
        return 2;
    }
    const QDir output(application.arguments().at(1));
    QTemporaryDir folder;
    const QString library = folder.filePath(QStringLiteral("library"));
    if (!DemoLibrary::write(library).ok)
        return 1;
    // No folder granted yet: the window opens as on a first run, in the folder sheet.
    const QString storePath = folder.filePath(QStringLiteral("catalog.sqlite"));

    DesktopSession session(DesktopOptions{storePath, DemoSetup::roots(library), false, {}},
                           folder.filePath(QStringLiteral("settings.ini")));
    QString error;
    if (!session.start(&error)) {
        QTextStream(stderr) << error << Qt::endl;
        return 1;
    }
    QQuickWindow* window = session.app()->windows().first();
    window->resize(880, 640);
    if (!QTest::qWaitForWindowExposed(window))
        return 1;
    bool ok = save(window, output.filePath(QStringLiteral("first-run-dark.png")));
    DemoSetup::grantFolders(*session.store(), library);
    if (QObject* sheet = window->property("libraryView").value<QObject*>()->findChild<QObject*>(QStringLiteral("folderSheet")))
        QMetaObject::invokeMethod(sheet, "close");
    window->resize(1080, 760);

    auto* controller = window->property("libraryView").value<QObject*>()->property("controller").value<LibraryController*>();
    controller->refresh();
    if (!QTest::qWaitFor([&] { return !controller->isScanning() && controller->recordCount() > 0; }, 120'000))
        return 1;

    // A lived-in catalogue: a few favourites, tags and a note.
    CatalogStore& store = *session.store();
    for (const char* name : {"Pro-Q 3", "Diva", "Kontakt 7"})
        if (PluginRecord* record = recordNamed(store, QString::fromLatin1(name)))
            record->setIsFavorite(true);
    if (PluginRecord* record = recordNamed(store, QStringLiteral("Pro-Q 3"))) {
        for (const char* tag : {"mixing", "eq", "surgical", "mastering"})
            TagActions::addTag(record, QString::fromLatin1(tag));
        record->setNotes(QStringLiteral("Dynamic EQ on the vocal bus; keep the preset \"Air lift\"."));
    }

    session.app()->setAppearanceMode(QStringLiteral("dark"));
    ok = save(window, output.filePath(QStringLiteral("library-dark.png"))) && ok;
    session.app()->setAppearanceMode(QStringLiteral("light"));
    ok = save(window, output.filePath(QStringLiteral("library-light.png"))) && ok;

    session.app()->setAppearanceMode(QStringLiteral("dark"));
    const PluginRecord* proQ = recordNamed(store, QStringLiteral("Pro-Q 3"));
    LibraryListModel* rows = controller->listModel();
    for (int row = 0; proQ && row < rows->rowCount(); ++row) {
        if (rows->index(row).data(LibraryListModel::recordRole).value<PluginRecord*>() != proQ)
            continue;
        rows->setExpanded(row, true);
        auto* list = window->property("libraryView").value<QObject*>()->property("list").value<QQuickItem*>();
        QMetaObject::invokeMethod(list, "positionViewAtIndex", Q_ARG(int, row - 1), Q_ARG(int, 1));
        break;
    }
    ok = save(window, output.filePath(QStringLiteral("card-expanded-dark.png"))) && ok;
    session.app()->setAppearanceMode(QStringLiteral("light"));
    ok = save(window, output.filePath(QStringLiteral("card-expanded-light.png"))) && ok;

    window->setProperty("selectedTab", QStringLiteral("Dashboard"));
    session.app()->setAppearanceMode(QStringLiteral("dark"));
    ok = save(window, output.filePath(QStringLiteral("dashboard-dark.png"))) && ok;
    session.app()->setAppearanceMode(QStringLiteral("light"));
    ok = save(window, output.filePath(QStringLiteral("dashboard-light.png"))) && ok;

    window->setProperty("selectedTab", QStringLiteral("Library"));
    session.app()->setAppearanceMode(QStringLiteral("dark"));
    window->property("libraryView").value<QObject*>()->setProperty("showScanPermission", true);
    ok = save(window, output.filePath(QStringLiteral("folder-access-dark.png"))) && ok;
    if (auto* sheet = window->property("libraryView").value<QObject*>()->findChild<QObject*>(QStringLiteral("folderSheet")))
        QMetaObject::invokeMethod(sheet, "close");

    // The Linux and Windows plug-ins of the sample system, with a bridged Windows one opened.
    controller->filterState()->setSelectedPlatformValues({QStringLiteral("Linux"), QStringLiteral("Windows")});
    QTest::qWait(400);
    const PluginRecord* bridged = recordNamed(store, QStringLiteral("Phase Plant"));
    for (int row = 0; bridged && row < rows->rowCount(); ++row) {
        if (rows->index(row).data(LibraryListModel::recordRole).value<PluginRecord*>() != bridged)
            continue;
        rows->setExpanded(row, true);
        auto* list = window->property("libraryView").value<QObject*>()->property("list").value<QQuickItem*>();
        QMetaObject::invokeMethod(list, "positionViewAtIndex", Q_ARG(int, qMax(0, row - 3)), Q_ARG(int, 0));
        break;
    }
    ok = save(window, output.filePath(QStringLiteral("library-linux-dark.png"))) && ok;

    // The default and the minimum window, in both appearances, and the compact list.
    QObject* libraryView = window->property("libraryView").value<QObject*>();
    if (QObject* sheet = libraryView->findChild<QObject*>(QStringLiteral("folderSheet")))
        QMetaObject::invokeMethod(sheet, "close");
    controller->filterState()->reset();
    for (int row = 0; row < rows->rowCount(); ++row)
        rows->setExpanded(row, false);
    QMetaObject::invokeMethod(libraryView->property("list").value<QQuickItem*>(), "positionViewAtBeginning");
    for (const QSize size : {QSize(880, 640), QSize(700, 600)}) {
        window->resize(size);
        for (const QString& mode : {QStringLiteral("dark"), QStringLiteral("light")}) {
            session.app()->setAppearanceMode(mode);
            const QString name = QStringLiteral("library-%1x%2-%3.png").arg(size.width()).arg(size.height()).arg(mode);
            ok = save(window, output.filePath(name)) && ok;
        }
    }
    window->resize(880, 640);
    libraryView->setProperty("compactView", true);
    session.app()->setAppearanceMode(QStringLiteral("dark"));
    ok = save(window, output.filePath(QStringLiteral("library-compact-dark.png"))) && ok;
    session.app()->setAppearanceMode(QStringLiteral("light"));
    ok = save(window, output.filePath(QStringLiteral("library-compact-light.png"))) && ok;
    libraryView->setProperty("compactView", false);

    // The in-window choosers of a desktop without its own: Add Folder in the dark, a row picked;
    // the export's save in the light.
    session.app()->setAppearanceMode(QStringLiteral("dark"));
    libraryView->setProperty("showScanPermission", true);
    QObject* sheet = libraryView->findChild<QObject*>(QStringLiteral("folderSheet"));
    QObject* chooser = sheet ? sheet->findChild<QObject*>(QStringLiteral("folderChooser")) : nullptr;
    if (chooser) {
        QMetaObject::invokeMethod(chooser, "openAt", Q_ARG(QVariant, QDir(library).filePath(QStringLiteral("Volumes/Studio SSD"))));
        QTest::qWait(300);
        if (auto* list = chooser->property("contentItem").value<QQuickItem*>()->findChild<QQuickItem*>(QStringLiteral("chooserList")))
            list->setProperty("currentIndex", 1);
        ok = save(window, output.filePath(QStringLiteral("dialog-folder-dark.png"))) && ok;
        QMetaObject::invokeMethod(chooser, "reject");
        QMetaObject::invokeMethod(sheet, "close");
    }
    session.app()->setAppearanceMode(QStringLiteral("light"));
    QMetaObject::invokeMethod(libraryView, "startExport", Q_ARG(QVariant, QStringLiteral("csv")));
    if (QObject* saver = libraryView->findChild<QObject*>(QStringLiteral("saveChooser"))) {
        QMetaObject::invokeMethod(saver, "openFolder", Q_ARG(QVariant, QDir(library).filePath(QStringLiteral("Users/alex"))));
        ok = save(window, output.filePath(QStringLiteral("dialog-save-light.png"))) && ok;
        QMetaObject::invokeMethod(saver, "reject");
    }
    return ok ? 0 : 1;
}
