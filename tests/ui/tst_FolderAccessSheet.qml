import QtQuick
import QtTest
import ZuzuzeVizozod
import ZuzuzeVizozod.Testing

// The folder-access sheet: container grants dropped on opening, one grant per path, content roots
// removed with their libraries, and only "Done" starting a refresh.
Item {
    id: stage
    width: 1000
    height: 800

    TestCase {
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

        Component {
            id: windowComponent
            ContentView {}
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
            UiFixture.addBookmark(store, "/media/drive/Plugins")
            UiFixture.addBookmark(store, container)
            UiFixture.addBookmark(store, "/media/a")
            const sheet = openSheet({ catalogStore: store })
            compare(UiFixture.scanBookmarkPaths(store), ["/media/drive/Plugins", "/media/a"])
            compare(sheet.controller.grantedPaths, ["/media/a", "/media/drive/Plugins"])
            compare(sheet.controller.additionalScanFolders, ["/media/a", "/media/drive/Plugins"])
            verify(findChild(sheet.contentItem, "additional_/media/drive/Plugins"))
        }

        // At a first launch the sheet opens by itself, with the window: every row's symbol and
        // button sit beside its own text, and no row covers another.
        function test_first_launch_sheet_lays_out_its_rows() {
            const paths = UiFixture.makeAppStandardFolders()
            compare(paths.length, 2)
            try {
                const window = createTemporaryObject(windowComponent, null)
                const sheet = findChild(window.libraryView, "folderSheet")
                tryCompare(sheet, "opened", true)
                waitForRendering(window.contentItem)
                let previousBottom = -1
                for (const path of paths) {
                    const row = findChild(sheet.contentItem, "standard_" + path)
                    verify(row, path)
                    const top = row.mapToItem(null, 0, 0).y
                    verify(top >= previousBottom, "row " + path + " at " + top + " overlaps the one above")
                    previousBottom = top + row.height
                    for (const name of ["grantButton", "rowTitle", "rowSymbol"]) {
                        const part = findChild(row, name)
                        const y = part.mapToItem(null, 0, 0).y
                        verify(y >= top - 0.5 && y + part.height <= previousBottom + 0.5,
                               name + " of " + path + " at " + y + " outside its row " + top + "-" + previousBottom)
                    }
                }
            } finally {
                UiFixture.removeAppStandardFolders()
            }
        }

        // No chooser: the grant is the row's own folder, never a sub-folder of it; Grant All then
        // grants the rest of the standard locations that exist.
        function test_grant_and_grant_all_grant_exactly_the_rows_folders() {
            const root = UiFixture.newFolder(["Library/Audio/Plug-Ins/CLAP", "home/Library/Audio/Plug-Ins"])
            const store = UiFixture.newStore()
            const sheet = openSheet({ catalogStore: store, pluginStore: UiFixture.newPluginStore(store, root) })
            const location = root + "/Library/Audio/Plug-Ins"
            const paths = sheet.controller.standardLocations.map((row) => row.path)
            compare(paths, [location, root + "/home/Library/Audio/Plug-Ins"])

            mouseClick(findChild(findChild(sheet.contentItem, "standard_" + location), "grantButton"))
            verify(!findChild(sheet, "folderChooser").visible)
            compare([UiFixture.scanBookmarkPaths(store), UiFixture.bookmarkData(store, location)], [[location], [location]])
            verify(sheet.controller.standardLocations[0].granted)
            // Granting again renews the one grant; a standard location is never an additional folder.
            sheet.controller.grantStandardLocation(location)
            compare([UiFixture.scanBookmarkPaths(store), sheet.controller.additionalScanFolders], [[location], []])

            const grantAll = findChild(sheet.contentItem, "grantAllButton")
            verify(grantAll.enabled)
            mouseClick(grantAll)
            compare(UiFixture.scanBookmarkPaths(store).sort(), paths.slice().sort())
            compare([sheet.controller.standardLocations.every((row) => row.granted), grantAll.enabled], [true, false])
        }

        // The in-window chooser chooses the folder the user is in until the user picks another.
        function test_choosers_return_the_open_folder_unless_a_sub_folder_is_picked_data() {
            return [
                { tag: "Add Folder", button: "addFolderButton", result: "additionalScanFolders" },
                { tag: "Add Content Folder", button: "addContentFolderButton", result: "contentFolders" },
            ]
        }

        function test_choosers_return_the_open_folder_unless_a_sub_folder_is_picked(data) {
            const folder = UiFixture.newFolder(["CLAP", "VST3"])
            const store = UiFixture.newStore()
            const sheet = openSheet({ catalogStore: store })
            const chosen = () => data.result === "contentFolders" ? UiFixture.contentFolderPaths(store)
                                                                   : sheet.controller.additionalScanFolders
            const chooser = findChild(sheet, "folderChooser")
            const list = findChild(chooser.contentItem, "chooserList")
            const openChooser = () => {
                mouseClick(findChild(sheet.contentItem, data.button))
                tryCompare(chooser, "opened", true)
                chooser.openFolder(folder)
                tryCompare(list, "count", 2)
                waitForRendering(list)
            }

            openChooser()
            compare(list.currentIndex, -1)
            mouseClick(findChild(chooser.contentItem, "chooserAccept"))
            compare(chosen(), [folder])

            openChooser()
            mouseClick(findChild(list, "chooserRow_VST3"))
            compare(chooser.chosenPath, folder + "/VST3")
            mouseClick(findChild(chooser.contentItem, "chooserAccept"))
            compare(Array.from(chosen()).sort(), [folder, folder + "/VST3"])
        }

        function test_removing_a_content_folder_removes_its_libraries() {
            const store = UiFixture.newStore()
            UiFixture.addContentFolder(store, "/media/samples")
            // A folder whose path begins with the removed one's keeps its libraries.
            UiFixture.addContentFolder(store, "/media/samples2")
            UiFixture.addContentItem(store, "/media/samples", "/media/samples/Strings", "Strings", "Example", 10)
            UiFixture.addContentItem(store, "/media/samples", "/media/samples/Drums", "Drums", "Example", 20)
            UiFixture.addContentItem(store, "/media/samples2", "/media/samples2/Piano", "Piano", "Example", 30)
            const sheet = openSheet({ catalogStore: store })
            const row = findChild(sheet.contentItem, "content_/media/samples")
            verify(row)
            mouseClick(findChild(row, "removeContentFolder"))
            compare(UiFixture.contentFolderPaths(store), ["/media/samples2"])
            compare(UiFixture.contentItemPaths(store), ["/media/samples2/Piano"])
            compare(sheet.controller.contentLibraries.map((folder) => folder.path), ["/media/samples2"])
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
            compare([view.showScanPermission, completions.count, view.pluginStore.isScanning,
                     sheet.controller.additionalScanFolders.length], [false, 0, false, 1])

            view.showScanPermission = true
            tryCompare(sheet, "opened", true)
            mouseClick(findChild(sheet.contentItem, "doneButton"))
            compare([completions.count, view.pluginStore.isScanning], [1, true])
            tryCompare(sheet, "visible", false)
            tryCompare(view.pluginStore, "isScanning", false, 10000)
        }
    }
}
