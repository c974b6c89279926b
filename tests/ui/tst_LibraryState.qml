import QtQuick
import QtTest
import ZuzuzeVizozod
import ZuzuzeVizozod.Testing

// Scope chips, the filter count and its button text, and the plug-in count of the title.
// Where the tested items live: TestCase itself is never shown, and hidden items take no focus.
Item {
    id: stage
    width: 1000
    height: 800

    TestCase {
        name: "LibraryState"

        Component {
            id: controllerComponent
            LibraryController {}
        }

        function makeController() {
            return createTemporaryObject(controllerComponent, stage, { store: UiFixture.newStore() })
        }

        // Each row writes `set` to a fresh filter, activates `chips` in turn, then finds `selected`
        // chips and the filter fields of `expect`.
        function test_chips_data() {
            return [
                { tag: "All by default", chips: [], selected: ["All"] },
                { tag: "All while only searching", set: { searchText: "pro" }, chips: [], selected: ["All"] },
                { tag: "a date is a filter", set: { installDateTo: new Date(2024, 0, 1) }, chips: [], selected: [] },
                { tag: "Favorites", chips: ["Favorites"], selected: ["Favorites"], expect: { favoritesOnly: true } },
                { tag: "Favorites twice", chips: ["Favorites", "Favorites"], selected: ["All"],
                  expect: { favoritesOnly: false } },
                { tag: "formats in format order", chips: ["VST3", "AU"], selected: ["AU", "VST3"],
                  expect: { selectedFormats: ["AU", "VST3"] } },
                { tag: "a format chip toggles its format only", chips: ["VST3", "AU", "AU"], selected: ["VST3"],
                  expect: { selectedFormats: ["VST3"] } },
                { tag: "Intel and Universal are not Rosetta", set: { selectedArchitectures: ["Intel 64", "Universal"] },
                  chips: [], selected: [] },
                // Intel builds for the Mac only: a Linux or Windows x86-64 build runs natively.
                { tag: "Rosetta is exactly Intel on the Mac", set: { selectedArchitectures: ["Intel 64", "Universal"] },
                  chips: ["Rosetta"], selected: ["Rosetta"],
                  expect: { selectedArchitectures: ["Intel 64"], selectedPlatforms: ["macOS"] } },
                { tag: "Intel on Linux is not Rosetta",
                  set: { selectedArchitectures: ["Intel 64"], selectedPlatforms: ["Linux"] }, chips: [], selected: [] },
                { tag: "Rosetta twice", chips: ["Rosetta", "Rosetta"], selected: ["All"],
                  expect: { selectedArchitectures: [], selectedPlatforms: [] } },
                { tag: "unknown titles do nothing", chips: ["Favourites", "au", "Nothing"], selected: ["All"],
                  expect: { favoritesOnly: false, selectedFormats: [] } },
                { tag: "All keeps only search and grouping",
                  set: { searchText: "pro", groupingMode: "Publisher", favoritesOnly: true, selectedTags: ["mixing"],
                         selectedFormats: ["CLAP"], selectedArchitectures: ["ARM 64"], selectedPlatforms: ["Linux"],
                         installDateFrom: new Date(2023, 0, 1), installDateTo: new Date(2024, 0, 1) },
                  chips: ["All"], selected: ["All"],
                  expect: { searchText: "pro", groupingMode: "Publisher", favoritesOnly: false, selectedTags: [],
                            selectedFormats: [], selectedArchitectures: [], selectedPlatforms: [] } },
            ]
        }

        function test_chips(data) {
            const c = makeController()
            for (const key in data.set || {})
                c.filterState[key] = data.set[key]
            for (const chip of data.chips)
                c.activateChip(chip)
            compare(c.selectedChips, data.selected)
            for (const key in data.expect || {})
                compare(c.filterState[key], data.expect[key], key)
            if (data.tag.startsWith("All keeps"))
                verify(isNaN(c.filterState.installDateFrom.getTime()) && isNaN(c.filterState.installDateTo.getTime()))
        }

        // Each step writes to the filter, then the count and the button's text are read.
        function test_active_filter_count_and_button_text() {
            const c = makeController()
            const f = c.filterState
            const steps = [
                [() => {}, 0, "Filters"],
                [() => { f.selectedFormats = ["AU", "CLAP"]; f.selectedTags = ["mixing"] }, 3, "3 Filters"],
                [() => f.selectedArchitectures = ["Intel 64", "Universal", "Apple Silicon"], 4, "4 Filters"],
                [() => { f.searchText = "x"; f.favoritesOnly = true; f.installDateFrom = new Date(2023, 0, 1)
                         f.installDateTo = new Date(2024, 0, 1) }, 8, "8 Filters"],
                [() => { f.reset(); f.favoritesOnly = true }, 1, "1 Filters"],
                [() => f.groupingMode = "Type", 1, "1 Filters"],
            ]
            for (const [write, count, text] of steps) {
                write()
                compare([c.activeFilterCount, c.filtersButtonText], [count, text])
            }
        }

        // The same for the title's plug-in count, which has no singular.
        function test_plugin_count_text() {
            const store = UiFixture.newStore()
            UiFixture.addRecord(store, "Pro-Q 3", "FabFilter", ["AU", "VST3"])
            UiFixture.addRecord(store, "Diva", "u-he", ["AU"])
            UiFixture.addRecord(store, "Serum", "Xfer Records", ["VST"])
            const c = createTemporaryObject(controllerComponent, stage, { store: store })
            const f = c.filterState
            const steps = [
                [() => {}, "3 plugins"], [() => f.groupingMode = "Publisher", "3 plugins"],
                [() => f.searchText = "fab", "1 of 3 plugins"], [() => f.searchText = "nothing like it", "0 of 3 plugins"],
                [() => { f.searchText = ""; c.activateChip("AU") }, "2 of 3 plugins"],
                [() => f.searchText = "diva", "1 of 3 plugins"],
            ]
            for (const [write, text] of steps) {
                write()
                compare(c.pluginCountText, text)
            }
            const one = UiFixture.newStore()
            UiFixture.addRecord(one, "Diva", "u-he", ["AU"])
            compare(createTemporaryObject(controllerComponent, stage, { store: one }).pluginCountText, "1 plugins")
        }
    }
}
