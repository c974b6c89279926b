import QtQuick
import QtTest
import ZuzuzeVizozod
import ZuzuzeVizozod.Testing

// The search field hands its text to the filter only after a 150 ms pause.
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
        name: "SearchDelay"
        when: windowShown

        Component {
            id: viewComponent
            LibraryView {
                width: 800
                height: 600
            }
        }

        Component {
            id: spyComponent
            SignalSpy {}
        }

        function makeView() {
            const store = UiFixture.newStore()
            UiFixture.addBookmark(store, "/Library/Audio/Plug-Ins")
            UiFixture.addRecord(store, "Abc Compressor", "Example", ["AU"])
            UiFixture.addRecord(store, "Diva", "u-he", ["AU"])
            return createTemporaryObject(viewComponent, stage, { catalogStore: store })
        }

        function test_three_keystrokes_fifty_ms_apart_set_the_search_once() {
            const view = makeView()
            const spy = createTemporaryObject(spyComponent, stage,
                                              { target: view.controller.filterState, signalName: "searchTextChanged" })
            view.searchField.forceActiveFocus()
            keyClick(Qt.Key_A)
            wait(50)
            keyClick(Qt.Key_B)
            wait(50)
            keyClick(Qt.Key_C)
            compare(view.searchField.text, "abc")
            compare(spy.count, 0)
            verify(view.controller.isSearchPending)
            tryCompare(spy, "count", 1, 2000)
            compare(view.controller.filterState.searchText, "abc")
            compare(view.controller.pluginCountText, "1 of 2 plugins")
            wait(200)
            compare(spy.count, 1)
        }

        function test_clearing_the_field_also_waits() {
            const view = makeView()
            view.controller.filterState.searchText = "diva"
            compare(view.searchField.text, "diva")
            view.searchField.forceActiveFocus()
            view.searchField.selectAll()
            keyClick(Qt.Key_Delete)
            compare(view.searchField.text, "")
            compare(view.controller.filterState.searchText, "diva")
            tryCompare(view.controller.filterState, "searchText", "", 2000)
        }

        function test_a_search_set_elsewhere_shows_in_the_field() {
            const view = makeView()
            view.controller.filterState.searchText = "u-he"
            compare(view.searchField.text, "u-he")
            verify(!view.controller.isSearchPending)
        }
    }
}
