import QtQuick
import QtTest
import ZuzuzeVizozod
import ZuzuzeVizozod.Testing

// The filter sheet: what each control writes, Reset, the date switches and pickers, the tags.
Item {
    id: stage
    width: 1000
    height: 900

    TestCase {
        name: "FilterPanel"
        when: windowShown

        Component {
            id: controllerComponent
            LibraryController {}
        }

        Component {
            id: panelComponent
            FilterPanel {}
        }

        // An open panel over a fresh library; `tags` names tags put on one record first.
        function openPanel(tags) {
            const store = UiFixture.newStore()
            const record = UiFixture.addRecord(store, "Diva", "u-he", ["AU"])
            for (const name of tags || [])
                TagActions.addTag(record, name)
            const controller = createTemporaryObject(controllerComponent, stage, { store: store })
            const panel = createTemporaryObject(panelComponent, stage,
                                                { filterState: controller.filterState, tags: controller.tags })
            panel.open()
            tryCompare(panel, "opened", true)
            // Rows are placed when the frame is prepared.
            waitForRendering(panel.contentItem)
            return panel
        }

        // Scrolls the panel until the row is in view: the panel is taller than the window.
        function reveal(panel, item) {
            const flickable = panel.contentItem.contentItem
            const y = item.mapToItem(flickable.contentItem, 0, 0).y
            flickable.contentY = Math.max(0, Math.min(y - 20, flickable.contentHeight - flickable.height))
            waitForRendering(panel.contentItem)
        }

        function toggle(panel, name) {
            const row = findChild(panel.contentItem, name)
            verify(row, name)
            reveal(panel, row)
            mouseClick(row.control)
            return row
        }

        function yearBefore(moment) {
            const date = new Date(moment)
            date.setFullYear(date.getFullYear() - 1)
            return date
        }

        function test_each_control_writes_the_state() {
            verify(!findChild(openPanel([]).contentItem, "tagsSection").visible)
            const panel = openPanel(["mixing"])
            const state = panel.filterState
            verify(findChild(panel.contentItem, "tagsSection").visible)
            for (const [name, formats] of [["format_CLAP", ["CLAP"]], ["format_AU", ["AU", "CLAP"]],
                                           ["format_AU", ["CLAP"]], ["format_CLAP", []]]) {
                toggle(panel, name)
                compare(state.selectedFormats, formats, name)
            }

            toggle(panel, "architecture_Unknown")
            const intel = toggle(panel, "architecture_Intel 64")
            compare([state.selectedArchitectures, intel.control.checked], [["Intel 64", "Unknown"], true])
            verify(!findChild(panel.contentItem, "architecture_Apple Silicon"))

            toggle(panel, "favoritesOnly")
            verify(state.favoritesOnly)
            const tag = toggle(panel, "tag_mixing")
            compare(state.selectedTags, ["mixing"])
            toggle(panel, "tag_mixing")
            compare([state.selectedTags, tag.control.checked], [[], false])

            // A write from elsewhere shows in the switch.
            state.selectedFormats = ["VST"]
            verify(findChild(panel.contentItem, "format_VST").control.checked)
        }

        function test_reset_clears_filters_but_keeps_grouping() {
            const panel = openPanel([])
            const state = panel.filterState
            const reset = findChild(panel, "resetButton")
            state.groupingMode = "Publisher"
            verify(!reset.enabled)
            state.searchText = "pro"
            verify(reset.enabled)
            toggle(panel, "format_VST3")
            toggle(panel, "useEndDate")
            mouseClick(reset)
            compare([state.searchText, state.selectedFormats.length, isNaN(state.installDateTo.getTime()),
                     state.groupingMode, reset.enabled, panel.opened], ["", 0, true, "Publisher", false, true])

            mouseClick(findChild(panel, "doneButton"))
            tryCompare(panel, "visible", false)
        }

        function test_date_switches_and_pickers() {
            const panel = openPanel([])
            const state = panel.filterState
            let before = yearBefore(new Date())
            const row = toggle(panel, "useStartDate")
            let after = yearBefore(new Date())
            verify(row.control.checked)
            verify(state.installDateFrom >= before && state.installDateFrom <= after)

            toggle(panel, "useStartDate")
            compare([isNaN(state.installDateFrom.getTime()), row.control.checked], [true, false])
            // Unset, the picker offers the day the switch would set, never year 1.
            compare(findChild(panel.contentItem, "fromPicker").textField.text,
                    Qt.formatDate(yearBefore(new Date()), "yyyy-MM-dd"))

            wait(20)
            before = yearBefore(new Date())
            toggle(panel, "useStartDate")
            after = yearBefore(new Date())
            verify(state.installDateFrom >= before && state.installDateFrom <= after)

            // Choosing a to-date turns its switch on.
            const useEnd = findChild(panel.contentItem, "useEndDate")
            verify(!useEnd.control.checked)
            const field = findChild(panel.contentItem, "toPicker").textField
            reveal(panel, field)
            mouseClick(field)
            const enter = (text) => {
                field.selectAll()
                text.split("").forEach((character) => keyClick(character))
                keyClick(Qt.Key_Return)
            }
            enter("2024-05-02")
            verify(useEnd.control.checked)
            const to = state.installDateTo
            compare([to.getFullYear(), to.getMonth(), to.getDate()], [2024, 4, 2])
            compare(field.text, "2024-05-02")

            // A day that does not exist changes nothing and shows the kept date again.
            enter("2024-02-30")
            compare(field.text, "2024-05-02")
        }
    }
}
