import QtQuick
import QtTest
import ZuzuzeVizozod
import ZuzuzeVizozod.Testing

// Which of the two empty states, or the list, the library shows; and the first-run folder sheet.
Item {
    width: 1000
    height: 800

    // Where the tested items live: TestCase itself is never shown, and hidden items take no focus.
    Item {
        id: stage
        anchors.fill: parent
    }

    TestCase {
        id: testCase
        name: "EmptyStates"
        when: windowShown

        Component {
            id: viewComponent
            LibraryView {
                width: 800
                height: 600
            }
        }

        function shown(view) {
            const noPlugins = findChild(view, "noPluginsState")
            const noMatches = findChild(view, "noMatchesState")
            if (noPlugins.visible)
                return "noPlugins"
            if (noMatches.visible)
                return "noMatches"
            return view.list.visible ? "list" : "nothing"
        }

        function test_no_records_shows_no_plugins_even_with_filters() {
            const store = UiFixture.newStore()
            UiFixture.addBookmark(store, "/Library/Audio/Plug-Ins")
            const view = createTemporaryObject(viewComponent, stage, { catalogStore: store })
            compare(shown(view), "noPlugins")
            view.controller.activateChip("Favorites")
            compare(shown(view), "noPlugins")
        }

        function test_a_filter_matching_nothing_shows_no_matches() {
            const store = UiFixture.newStore()
            UiFixture.addBookmark(store, "/Library/Audio/Plug-Ins")
            UiFixture.addRecord(store, "Diva", "u-he", ["AU"])
            const view = createTemporaryObject(viewComponent, stage, { catalogStore: store })
            compare(shown(view), "list")
            view.controller.activateChip("CLAP")
            compare(shown(view), "noMatches")
            view.controller.activateChip("All")
            compare(shown(view), "list")
        }

        function test_records_without_found_installs_show_no_matches() {
            const store = UiFixture.newStore()
            UiFixture.addBookmark(store, "/Library/Audio/Plug-Ins")
            const record = UiFixture.addRecord(store, "Gone", "Nobody", [])
            UiFixture.addInstall(store, record, "AU", "Intel 64", false)
            const view = createTemporaryObject(viewComponent, stage, { catalogStore: store })
            compare(shown(view), "noMatches")
        }

        function test_a_running_scan_with_no_records_shows_neither() {
            const view = createTemporaryObject(viewComponent, stage, { catalogStore: ZuzuzeVizozodApp.container })
            view.pluginStore = ZuzuzeVizozodApp.createPluginStore(view)
            compare(shown(view), "noPlugins")
            view.pluginStore.refresh()
            verify(view.controller.isScanning)
            compare(shown(view), "list")
            verify(findChild(view, "scanningIndicator").visible)
            verify(!findChild(view, "refreshButton").enabled)
            tryCompare(view.controller, "isScanning", false, 10000)
            compare(shown(view), "noPlugins")
            verify(!findChild(view, "scanningIndicator").visible)
        }

        function test_first_run_opens_the_folder_sheet() {
            const view = createTemporaryObject(viewComponent, stage, { catalogStore: UiFixture.newStore() })
            verify(view.showScanPermission)
            const store = UiFixture.newStore()
            UiFixture.addBookmark(store, "/Library/Audio/Plug-Ins")
            const granted = createTemporaryObject(viewComponent, stage, { catalogStore: store })
            verify(!granted.showScanPermission)
        }
    }
}
