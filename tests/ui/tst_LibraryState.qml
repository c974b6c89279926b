import QtQuick
import QtTest
import ZuzuzeVizozod
import ZuzuzeVizozod.Testing

// Scope chips, the filter count and its button text, and the plug-in count of the title.
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
        name: "LibraryState"

        Component {
            id: controllerComponent
            LibraryController {}
        }

        function makeController() {
            return createTemporaryObject(controllerComponent, stage, { store: UiFixture.newStore() })
        }

        function test_all_is_selected_by_default_and_while_only_searching() {
            const c = makeController()
            compare(c.selectedChips, ["All"])
            c.filterState.searchText = "pro"
            compare(c.selectedChips, ["All"])
            c.filterState.installDateTo = new Date(2024, 0, 1)
            compare(c.selectedChips, [])
        }

        function test_favorites_chip_inverts_the_switch() {
            const c = makeController()
            c.activateChip("Favorites")
            verify(c.filterState.favoritesOnly)
            compare(c.selectedChips, ["Favorites"])
            c.activateChip("Favorites")
            verify(!c.filterState.favoritesOnly)
            compare(c.selectedChips, ["All"])
        }

        function test_format_chips_toggle_their_format_only() {
            const c = makeController()
            c.activateChip("VST3")
            c.activateChip("AU")
            compare(c.filterState.selectedFormats, ["AU", "VST3"])
            compare(c.selectedChips, ["AU", "VST3"])
            c.activateChip("AU")
            compare(c.filterState.selectedFormats, ["VST3"])
            compare(c.selectedChips, ["VST3"])
        }

        function test_rosetta_chip_selects_exactly_intel() {
            const c = makeController()
            c.filterState.selectedArchitectures = ["Intel 64", "Universal"]
            verify(c.selectedChips.indexOf("Rosetta") < 0)
            c.activateChip("Rosetta")
            compare(c.filterState.selectedArchitectures, ["Intel 64"])
            compare(c.selectedChips, ["Rosetta"])
            c.activateChip("Rosetta")
            compare(c.filterState.selectedArchitectures, [])
            compare(c.selectedChips, ["All"])
        }

        function test_all_clears_filters_but_keeps_search_and_grouping() {
            const c = makeController()
            c.filterState.searchText = "pro"
            c.filterState.groupingMode = "Publisher"
            c.activateChip("Favorites")
            c.activateChip("CLAP")
            c.activateChip("Rosetta")
            c.filterState.selectedTags = ["mixing"]
            c.filterState.installDateFrom = new Date(2023, 0, 1)
            c.filterState.installDateTo = new Date(2024, 0, 1)
            c.activateChip("All")
            verify(!c.filterState.favoritesOnly)
            compare(c.filterState.selectedFormats, [])
            compare(c.filterState.selectedArchitectures, [])
            compare(c.filterState.selectedTags, [])
            verify(isNaN(c.filterState.installDateFrom.getTime()))
            verify(isNaN(c.filterState.installDateTo.getTime()))
            compare(c.filterState.searchText, "pro")
            compare(c.filterState.groupingMode, "Publisher")
            compare(c.selectedChips, ["All"])
        }

        function test_active_filter_count_and_button_text() {
            const c = makeController()
            compare(c.activeFilterCount, 0)
            compare(c.filtersButtonText, "Filters")
            c.filterState.selectedFormats = ["AU", "CLAP"]
            c.filterState.selectedTags = ["mixing"]
            compare(c.activeFilterCount, 3)
            compare(c.filtersButtonText, "3 Filters")
            c.filterState.selectedArchitectures = ["Intel 64", "Universal", "Apple Silicon"]
            compare(c.activeFilterCount, 4)
            c.filterState.searchText = "x"
            c.filterState.favoritesOnly = true
            c.filterState.installDateFrom = new Date(2023, 0, 1)
            c.filterState.installDateTo = new Date(2024, 0, 1)
            compare(c.activeFilterCount, 8)
            compare(c.filtersButtonText, "8 Filters")
            c.filterState.reset()
            c.filterState.favoritesOnly = true
            compare(c.filtersButtonText, "1 Filters")
            c.filterState.groupingMode = "Type"
            compare(c.activeFilterCount, 1)
        }

        function test_plugin_count_text() {
            const store = UiFixture.newStore()
            UiFixture.addRecord(store, "Pro-Q 3", "FabFilter", ["AU", "VST3"])
            UiFixture.addRecord(store, "Diva", "u-he", ["AU"])
            UiFixture.addRecord(store, "Serum", "Xfer Records", ["VST"])
            const c = createTemporaryObject(controllerComponent, stage, { store: store })
            compare(c.pluginCountText, "3 plugins")
            c.filterState.groupingMode = "Publisher"
            compare(c.pluginCountText, "3 plugins")
            c.filterState.searchText = "fab"
            compare(c.pluginCountText, "1 of 3 plugins")
            c.filterState.searchText = "nothing like it"
            compare(c.pluginCountText, "0 of 3 plugins")
            c.filterState.searchText = ""
            c.activateChip("AU")
            compare(c.pluginCountText, "2 of 3 plugins")
        }

        function test_single_group_has_no_singular() {
            const store = UiFixture.newStore()
            UiFixture.addRecord(store, "Diva", "u-he", ["AU"])
            const c = createTemporaryObject(controllerComponent, stage, { store: store })
            compare(c.pluginCountText, "1 plugins")
        }
    }
}
