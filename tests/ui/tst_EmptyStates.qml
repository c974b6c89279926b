import QtQuick
import QtTest
import ZuzuzeVizozod
import ZuzuzeVizozod.Testing

// Which of the two empty states, or the list, the library shows.
// Where the tested items live: TestCase itself is never shown, and hidden items take no focus.
Item {
    id: stage
    width: 1000
    height: 800

    TestCase {
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
            if (findChild(view, "noPluginsState").visible)
                return "noPlugins"
            if (findChild(view, "noMatchesState").visible)
                return "noMatches"
            return view.list.visible ? "list" : "nothing"
        }

        // `records`: name → found; `chips` are activated in turn, each followed by what shows.
        function test_states_data() {
            return [
                { tag: "no records, even with a filter", records: {}, chips: ["", "Favorites"],
                  shown: ["noPlugins", "noPlugins"] },
                { tag: "a filter matching nothing", records: { "Diva": true }, chips: ["", "CLAP", "All"],
                  shown: ["list", "noMatches", "list"] },
                { tag: "no found install", records: { "Gone": false }, chips: [""], shown: ["noMatches"] },
            ]
        }

        function test_states(data) {
            const store = UiFixture.newStore()
            UiFixture.addBookmark(store, "/Library/Audio/Plug-Ins")
            for (const name in data.records)
                UiFixture.addInstall(store, UiFixture.addRecord(store, name, "u-he", []), "AU", "Intel 64",
                                     data.records[name])
            const view = createTemporaryObject(viewComponent, stage, { catalogStore: store })
            // Granted, so the folder sheet stays shut (without a grant it opens: FolderAccessSheet).
            verify(!view.showScanPermission)
            data.chips.forEach((chip, i) => {
                if (chip)
                    view.controller.activateChip(chip)
                compare(shown(view), data.shown[i], chip)
            })
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
    }
}
