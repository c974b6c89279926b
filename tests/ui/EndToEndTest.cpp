#include "UiCatalog.h"

#include "sample/DemoLibrary.h"
#include "sample/DemoSetup.h"
#include "ui/DesktopSession.h"
#include "ui/ZuzuzeVizozodApp.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int scanTimeout = 60'000;

// Delegates of a list have no QObject parent: walk the items themselves.
void collect(QQuickItem* item, const QString& objectName, QList<QQuickItem*>& found)
{
    if (item->objectName() == objectName)
        found.append(item);
    for (QQuickItem* child : item->childItems())
        collect(child, objectName, found);
}

void click(QQuickWindow* window, QQuickItem* item)
{
    ASSERT_NE(item, nullptr);
    const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
}

// QTest types whole strings into widgets only; a window gets them key by key.
void type(QQuickWindow* window, const QString& text)
{
    for (const QChar c : text)
        QTest::keyClick(window, c.toLatin1());
}

QObject* controllerOf(QQuickWindow* window)
{
    QObject* library = window->property("libraryView").value<QObject*>();
    return library ? library->property("controller").value<QObject*>() : nullptr;
}

TEST(EndToEndTest, EditsMadeInTheWindowAreStoredAcrossARestart)
{
    QTemporaryDir folder;
    const QString library = folder.filePath(QStringLiteral("library"));
    DemoLibrary::Options sample;
    sample.bundles = 20;
    ASSERT_TRUE(DemoLibrary::write(library, sample).ok);
    const QString storePath = folder.filePath(QStringLiteral("catalog.sqlite"));
    {
        // The sample library's grants, made again at every demo launch, are there once.
        QString error;
        auto store = CatalogStore::open(storePath, &error);
        ASSERT_TRUE(store) << error.toStdString();
        DemoSetup::grantFolders(*store, library);
        DemoSetup::grantFolders(*store, library);
        EXPECT_EQ(UiCatalog::propertyTexts(store->scanBookmarks(), "path"), DemoLibrary::pluginFolders(library));
        ASSERT_EQ(store->contentFolders().size(), 1);
        EXPECT_EQ(store->contentFolders().first()->path(), DemoLibrary::contentFolder(library));
    }
    const DesktopOptions options{storePath, DemoSetup::roots(library), false, {}};

    QString editedName;
    {
        DesktopSession session(options);
        QString error;
        ASSERT_TRUE(session.start(&error)) << error.toStdString();
        QQuickWindow* window = session.app()->windows().value(0);
        ASSERT_NE(window, nullptr);
        window->resize(1100, 1200); // room for the opened card without scrolling
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        CatalogStore& store = *session.store();
        EXPECT_TRUE(store.records().isEmpty()) << "nothing is scanned at launch";

        QList<QQuickItem*> refresh;
        collect(window->contentItem(), QStringLiteral("refreshButton"), refresh);
        click(window, refresh.value(0));
        QObject* controller = controllerOf(window);
        ASSERT_NE(controller, nullptr);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return !controller->property("isScanning").toBool() && !store.records().isEmpty(); }, scanTimeout));
        EXPECT_EQ(controller->property("contentState").toString(), QStringLiteral("list"));

        // The first card (recycled delegates keep their place off screen).
        auto* list = window->property("libraryView").value<QObject*>()->property("list").value<QQuickItem*>();
        ASSERT_NE(list, nullptr);
        QQuickItem* row = nullptr;
        ASSERT_TRUE(QTest::qWaitFor([&] {
            QMetaObject::invokeMethod(list, "itemAtIndex", Q_RETURN_ARG(QQuickItem*, row), Q_ARG(int, 1));
            return row && row->isVisible() && row->property("index").toInt() == 1;
        }));
        const auto inCard = [&](const QString& name) {
            QList<QQuickItem*> found;
            collect(row, name, found);
            return found.value(0);
        };
        click(window, inCard(QStringLiteral("cardMainButton")));
        ASSERT_TRUE(QTest::qWaitFor([&] { return inCard(QStringLiteral("notesEditor")) != nullptr; }));
        QTest::qWait(400); // the opening animation

        QQuickItem* card = inCard(QStringLiteral("cardMainButton"));
        while (card && !card->property("record").isValid())
            card = card->parentItem();
        ASSERT_NE(card, nullptr);
        auto* record = card->property("record").value<PluginRecord*>();
        ASSERT_NE(record, nullptr);
        editedName = record->name();

        click(window, inCard(QStringLiteral("favoriteButton")));
        EXPECT_TRUE(record->isFavorite());

        click(window, inCard(QStringLiteral("tagField")));
        type(window, QStringLiteral(" Mixing "));
        QTest::keyClick(window, Qt::Key_Return);
        ASSERT_EQ(record->tags().size(), 1);
        EXPECT_EQ(record->tags().first()->name(), QStringLiteral("mixing"));

        click(window, inCard(QStringLiteral("notesEditor")));
        type(window, QStringLiteral("Bright on vocals"));
        EXPECT_EQ(record->notes(), QStringLiteral("Bright on vocals"));

        // Closed at once: no save was asked for, the catalogue writes what is pending on its way out.
        window->close();
        QTest::qWait(0);
    }

    QString error;
    auto reopened = CatalogStore::open(storePath, &error);
    ASSERT_TRUE(reopened) << error.toStdString();
    PluginRecord* stored = reopened->fetch<PluginRecord>("name", editedName).value(0);
    ASSERT_NE(stored, nullptr) << editedName.toStdString();
    EXPECT_TRUE(stored->isFavorite());
    EXPECT_EQ(stored->notes(), QStringLiteral("Bright on vocals"));
    ASSERT_EQ(stored->tags().size(), 1);
    EXPECT_EQ(stored->tags().first()->name(), QStringLiteral("mixing"));
    reopened.reset();

    // And the window shows them again.
    DesktopSession again(options);
    ASSERT_TRUE(again.start(&error)) << error.toStdString();
    QQuickWindow* window = again.app()->windows().value(0);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    QObject* controller = controllerOf(window);
    controller->property("filterState").value<QObject*>()->setProperty("favoritesOnly", true);
    EXPECT_EQ(window->title(), QStringLiteral("Zuzuze Vizozod 1 of %1 plugins")
                                   .arg(controller->property("viewModel").value<QObject*>()->property("totalGroupCount").toInt()));
}

} // namespace
