import QtQuick
import QtTest
import ZuzuzeVizozod
import ZuzuzeVizozod.Testing

// The folder-access sheet: container grants dropped on opening, one grant per path, content roots
// removed with their libraries, and only "Done" starting a refresh.
Item {
    width: 1000
    height: 800

    Item {
        id: stage
        anchors.fill: parent
    }

    TestCase {
        id: testCase
        name: "FolderAccessSheet"
        when: windowShown

        Component {
            id: sheetComponent
            FolderAccessSheet {}
        }

        Component {
            id: libraryComponent
            LibraryView {
                width: 900
                height: 700
            }
        }

        Component {
            id: spyComponent
            SignalSpy {}
        }

        function openSheet(properties) {
            const sheet = createTemporaryObject(sheetComponent, stage, properties)
            sheet.open()
            tryCompare(sheet, "opened", true)
            // Rows are placed when the frame is prepared.
            waitForRendering(sheet.contentItem)
            return sheet
        }

        function test_container_grants_are_deleted_on_opening() {
            const store = UiFixture.newStore()
            const container = "/Users/me/Library/Containers/com.example.host/Data/Library/Audio/Plug-Ins"
            UiFixture.addBookmark(store, container)
            UiFixture.addBookmark(store, "/media/drive/Plugins")
            const sheet = openSheet({ catalogStore: store })
            compare(UiFixture.scanBookmarkPaths(store), ["/media/drive/Plugins"])
            compare(sheet.controller.grantedPaths, ["/media/drive/Plugins"])
            compare(sheet.controller.additionalScanFolders, ["/media/drive/Plugins"])
            verify(findChild(sheet.contentItem, "additional_/media/drive/Plugins"))
        }

        function test_granting_a_location_twice_keeps_one_grant_renewed() {
            const root = UiFixture.newFolder(["Library/Audio/Plug-Ins", "first", "second"])
            const store = UiFixture.newStore()
            const sheet = openSheet({ catalogStore: store, pluginStore: UiFixture.newPluginStore(store, root) })
            const location = root + "/Library/Audio/Plug-Ins"
            compare(sheet.controller.standardLocations.map((row) => row.path), [location])
            verify(!sheet.controller.standardLocations[0].granted)

            sheet.controller.grantStandardLocation(location, sheet.controller.folderUrl(root + "/first"))
            sheet.controller.grantStandardLocation(location, sheet.controller.folderUrl(root + "/second"))
            compare(UiFixture.scanBookmarkPaths(store), [location])
            compare(UiFixture.bookmarkData(store, location), [root + "/second"])
            verify(sheet.controller.standardLocations[0].granted)
            // A standard location is never listed again among the additional folders.
            compare(sheet.controller.additionalScanFolders, [])
        }

        function test_removing_a_content_folder_removes_its_libraries() {
            const store = UiFixture.newStore()
            UiFixture.addContentFolder(store, "/media/samples")
            UiFixture.addContentFolder(store, "/media/more")
            UiFixture.addContentItem(store, "/media/samples", "/media/samples/Strings", "Strings", "Example", 10)
            UiFixture.addContentItem(store, "/media/samples", "/media/samples/Drums", "Drums", "Example", 20)
            UiFixture.addContentItem(store, "/media/more", "/media/more/Piano", "Piano", "Example", 30)
            const sheet = openSheet({ catalogStore: store })
            const row = findChild(sheet.contentItem, "content_/media/samples")
            verify(row)
            mouseClick(findChild(row, "removeContentFolder"))
            compare(UiFixture.contentFolderPaths(store), ["/media/more"])
            compare(UiFixture.contentItemPaths(store), ["/media/more/Piano"])
            compare(sheet.controller.contentLibraries.map((folder) => folder.path), ["/media/more"])
        }

        function test_escape_starts_no_refresh_and_done_does() {
            // No grant yet: the library opens the sheet by itself.
            const view = createTemporaryObject(libraryComponent, stage, { catalogStore: UiFixture.newStore() })
            view.pluginStore = ZuzuzeVizozodApp.createPluginStore(view)
            const sheet = findChild(view, "folderSheet")
            tryCompare(sheet, "opened", true)
            const completions = createTemporaryObject(spyComponent, stage, { target: sheet, signalName: "complete" })
            sheet.controller.addScanFolders([sheet.controller.folderUrl(UiFixture.newFolder())])
            keyClick(Qt.Key_Escape)
            tryCompare(sheet, "visible", false)
            verify(!view.showScanPermission)
            compare(completions.count, 0)
            verify(!view.pluginStore.isScanning)
            compare(sheet.controller.additionalScanFolders.length, 1)

            view.showScanPermission = true
            tryCompare(sheet, "opened", true)
            mouseClick(findChild(sheet.contentItem, "doneButton"))
            compare(completions.count, 1)
            verify(view.pluginStore.isScanning)
            tryCompare(sheet, "visible", false)
            tryCompare(view.pluginStore, "isScanning", false, 10000)
        }
    }
}
