import QtQuick
import QtQuick.Controls
import QtTest
import ZuzuzeVizozod
import ZuzuzeVizozod.Testing

// The whole main window over a filled catalogue: what fits at the default and the minimum size,
// the keyboard, the context menu, sorting and the compact list, and the accessibility tree.
TestCase {
    name: "LibraryWindow"
    when: windowShown

    Component {
        id: windowComponent
        ContentView {}
    }

    // A catalogue whose cards carry the widest columns: a long name, seven and five formats, an
    // Intel-only build, terabyte sizes; `count` more short ones make the list long.
    function makeStore(count) {
        const store = UiFixture.newStore()
        UiFixture.addBookmark(store, "/Library/Audio/Plug-Ins")
        const seven = UiFixture.addRecord(store, "Aardvark Seven Formats Mastering Suite With A Very Long Name",
                                          "Somebody With A Long Company Name Ltd",
                                          ["AU", "VST", "VST3", "AAX", "CLAP", "LV2", "LADSPA"], "Intel 64")
        seven.installs.forEach((install) => install.fileSize = 1990000000000)
        const five = UiFixture.addRecord(store, "Abacus Five", "Example", ["AU", "VST", "VST3", "AAX", "CLAP"],
                                         "Intel 64")
        five.installs.forEach((install) => install.fileSize = 999990000)
        for (let i = 0; i < count; ++i)
            UiFixture.addRecord(store, String.fromCharCode(66 + i % 24) + "plug " + i, "Maker " + i % 5, ["VST3"])
        return store
    }

    function openWindow(width, height, count, keepPreferences) {
        if (!keepPreferences) {
            ZuzuzeVizozodApp.setPreference("libraryCompactView", false)
            ZuzuzeVizozodApp.setPreference("librarySortKey", "Name")
            ZuzuzeVizozodApp.setPreference("librarySortAscending", true)
        }
        const window = createTemporaryObject(windowComponent, null, { width: width, height: height })
        const store = makeStore(count === undefined ? 0 : count)
        window.libraryView.catalogStore = store
        const sheet = findChild(window.libraryView, "folderSheet")
        if (sheet)
            sheet.close()
        window.libraryView.showScanPermission = false
        // Keys go to the active window, which a new window is not by itself on every platform.
        window.requestActivate()
        tryVerify(() => window.active)
        waitForRendering(window.contentItem)
        tryVerify(() => window.libraryView.list.count > 0)
        return window
    }

    function rect(item, to) {
        const p = item.mapToItem(to, 0, 0)
        return { left: p.x, top: p.y, right: p.x + item.width, bottom: p.y + item.height }
    }

    function verifyInside(item, container, what) {
        const r = rect(item, container)
        verify(r.left >= -0.5 && r.top >= -0.5 && r.right <= container.width + 0.5 && r.bottom <= container.height + 0.5,
               what + " at " + JSON.stringify(r) + " outside " + container.width + " x " + container.height)
    }

    function cardDelegates(list) {
        const cards = []
        for (let i = 0; i < list.count; ++i) {
            const row = list.itemAtIndex(i)
            if (row && !row.isHeader && row.visible)
                cards.push(row)
        }
        return cards
    }

    function cardOf(row) {
        return findChild(row, "pluginCard")
    }

    function test_cards_toolbar_and_search_fit_data() {
        return [
            { tag: "default", width: 880, height: 640 },
            { tag: "minimum", width: 700, height: 600 },
        ]
    }

    function test_cards_toolbar_and_search_fit(data) {
        const window = openWindow(data.width, data.height, 3)
        const content = window.contentItem
        const search = window.libraryView.searchField
        verifyInside(search.parent.parent, content, "toolbar")
        for (let i = 0; i < search.parent.children.length; ++i) {
            const part = search.parent.children[i]
            if (part.visible && part.width > 0)
                verifyInside(part, search.parent.parent, "toolbar part " + (part.objectName || part.text))
        }
        verify(search.width >= 120, "search field " + search.width + " wide")
        verify(findChild(window.libraryView, "sortButton").visible)

        const cards = cardDelegates(window.libraryView.list)
        verify(cards.length >= 2)
        for (const row of cards) {
            const card = cardOf(row)
            const columns = ["nameText", "formatColumn", "rosettaBadge", "sizeDateColumn", "chevron"]
            let previousRight = -1
            for (const name of columns) {
                const part = findChild(card, name)
                verifyInside(part, card, row.name + ": " + name)
                verifyInside(part, content, row.name + ": " + name + " in the window")
                const r = rect(part, card)
                if (part.visible) {
                    verify(r.left >= previousRight, row.name + ": " + name + " overlaps the column before it")
                    previousRight = r.right
                }
            }
            for (const name of ["sizeText", "dateText"])
                verify(!findChild(card, name).truncated, row.name + ": " + name + " cut")
            // Badges and the "+n" stay in their own column and count every format.
            const column = findChild(card, "formatColumn")
            let shown = 0
            for (let i = 0; i < column.children.length; ++i) {
                const child = column.children[i]
                if (!child.visible || child.width === 0)
                    continue
                verify(rect(child, column).right <= column.width + 0.5, row.name + ": badge past its column")
                if (child.format !== undefined)
                    ++shown
            }
            const overflow = findChild(card, "formatOverflow")
            compare(shown + (overflow.visible ? Number(overflow.overflow.substring(1)) : 0), row.formats.length)
            verify(shown >= 1)
        }
    }

    // At the minimum size, a long list has a grabbable scroll bar beside the cards.
    function test_keyboard_and_scroll_bar_move_over_a_long_list() {
        const window = openWindow(700, 600, 60)
        const list = window.libraryView.list
        const bar = findChild(list, "listScrollBar")
        compare([bar.visible, bar.policy], [true, ScrollBar.AlwaysOn])
        verify(bar.width >= 10)
        verify(bar.visualSize * bar.height >= 24, "thumb " + bar.visualSize * bar.height)
        verify(rect(cardOf(cardDelegates(list)[0]), list).right <= rect(bar, list).left, "the bar covers the cards")

        list.forceActiveFocus()
        keyClick(Qt.Key_Down)
        compare([list.currentIndex, cardOf(list.currentItem).hasKeyFocus], [1, true])
        keyClick(Qt.Key_Down)
        keyClick(Qt.Key_Down)
        // Past the header of the next section.
        compare(list.currentItem.name, "Bplug 0")
        keyClick(Qt.Key_Up)
        compare(list.currentItem.name, "Abacus Five")
        keyClick(Qt.Key_End)
        compare(list.currentIndex, list.count - 1)
        verify(list.currentItem.y + list.currentItem.height <= list.contentY + list.height + 0.5)
        keyClick(Qt.Key_Home)
        compare(list.currentIndex, 1)
        keyClick(Qt.Key_PageDown)
        verify(list.currentIndex > 5 && !list.currentItem.isHeader, "page down reached " + list.currentIndex)
        const paged = list.currentIndex
        keyClick(Qt.Key_PageUp)
        verify(list.currentIndex < paged && !list.currentItem.isHeader)
        keyClick(Qt.Key_Return)
        tryCompare(list.currentItem, "expanded", true)
        keyClick(Qt.Key_Space)
        tryCompare(list.currentItem, "expanded", false)

        // Another grouping starts at the top again.
        keyClick(Qt.Key_End)
        window.libraryView.controller.filterState.groupingMode = "Publisher"
        tryVerify(() => list.atYBeginning)
        compare(list.currentIndex, -1)
    }

    function test_search_shortcut_escape_and_clear_button() {
        const window = openWindow(700, 600, 3)
        const search = window.libraryView.searchField
        const filter = window.libraryView.controller.filterState
        window.libraryView.list.forceActiveFocus()
        keySequence(StandardKey.Find)
        verify(search.activeFocus)
        "di".split("").forEach((letter) => keyClick(letter))
        tryCompare(filter, "searchText", "di")
        keyClick(Qt.Key_Escape)
        compare(search.text, "")
        tryCompare(filter, "searchText", "")

        keyClick("x")
        const clear = findChild(search, "searchClearButton")
        verify(clear.visible)
        mouseClick(clear)
        compare([search.text, clear.visible], ["", false])
        tryCompare(filter, "searchText", "")

        // With nothing to clear, Escape still closes a sheet.
        window.libraryView.showFilters = true
        const panel = findChild(window.libraryView, "filterPanel")
        tryCompare(panel, "opened", true)
        keyClick(Qt.Key_Escape)
        tryCompare(window.libraryView, "showFilters", false)
    }

    function test_context_menu_on_a_card_and_on_an_install() {
        UiFixture.recordReveals()
        const window = openWindow(880, 640, 0)
        const list = window.libraryView.list
        const row = list.itemAtIndex(2)
        compare(row.name, "Abacus Five")
        const menu = list.contextMenu.menu
        const path = "/Library/Audio/Plug-Ins/AU/Abacus Five.au"

        const steps = [
            { item: "showInFileManager", check: () => compare(UiFixture.revealedPaths().slice(-1), [path]) },
            { item: "copyPath", check: () => compare(ClipboardText.text(), path) },
            { item: "toggleFavorite", check: () => verify(row.record.isFavorite) },
            { item: "toggleFavorite", check: () => verify(!row.record.isFavorite) },
        ]
        for (const step of steps) {
            mouseClick(row, 60, 20, Qt.RightButton)
            tryCompare(menu, "opened", true)
            compare(list.currentIndex, 2)
            mouseClick(findChild(menu.contentItem, step.item))
            tryCompare(menu, "visible", false)
            step.check()
        }

        // The menu key opens it on the current card, which the clicks above made this one.
        list.forceActiveFocus()
        keyClick(Qt.Key_Menu)
        tryCompare(menu, "opened", true)
        menu.dismiss()
        list.contextMenu.openFor(row.record, path, row, 0, 0)
        tryCompare(menu, "opened", true)
        mouseClick(findChild(menu.contentItem, "addTag"))
        tryCompare(menu, "visible", false)
        const prompt = list.contextMenu.tagPrompt
        tryCompare(prompt, "opened", true)
        "Mix".split("").forEach((letter) => keyClick(letter))
        keyClick(Qt.Key_Return)
        tryCompare(prompt, "visible", false)
        compare(CardPresentation.sortedTagNames(row.record), ["mix"])

        // An install's own menu carries that install's path.
        list.controller.listModel.setExpanded(2, true)
        tryVerify(() => {
            const repeater = findChild(list.itemAtIndex(2), "installRepeater")
            return repeater && repeater.count === 5
        })
        const repeater = findChild(list.itemAtIndex(2), "installRepeater")
        const vst3 = repeater.itemAt(2)
        compare(vst3.modelData.format, "VST3")
        tryVerify(() => list.itemAtIndex(2).height > 300)
        wait(300) // the opening animation
        list.contentY = vst3.mapToItem(list.contentItem, 0, 0).y - 100
        tryVerify(() => rect(vst3, window.contentItem).bottom < window.height)
        waitForRendering(window.contentItem)
        mouseClick(vst3, 20, 10, Qt.RightButton)
        tryCompare(menu, "opened", true)
        mouseClick(findChild(menu.contentItem, "showInFileManager"))
        compare(UiFixture.revealedPaths().slice(-1), ["/Library/Audio/Plug-Ins/VST3/Abacus Five.vst3"])
    }

    function test_notes_box_takes_a_click_below_its_text() {
        const window = openWindow(880, 640, 0)
        const list = window.libraryView.list
        list.controller.listModel.setExpanded(1, true)
        tryVerify(() => findChild(list.itemAtIndex(1), "notesEditor") !== null)
        const editor = findChild(list.itemAtIndex(1), "notesEditor")
        const box = editor.parent.parent.parent
        tryVerify(() => list.itemAtIndex(1).height > 400)
        wait(300)
        list.positionViewAtIndex(1, ListView.End)
        tryVerify(() => rect(box, window.contentItem).bottom < window.height)
        waitForRendering(window.contentItem)
        verify(!editor.activeFocus)
        // Empty notes: one line high, in a box three lines high.
        mouseClick(box, box.width - 20, box.height - 8)
        verify(editor.activeFocus)
    }

    function test_toolbar_and_compact_list_sort_and_keep_the_choice() {
        const window = openWindow(700, 600, 4)
        const library = window.libraryView
        const filter = library.controller.filterState
        // The toolbar's sort menu: Size by keyboard puts the smaller first, Descending by mouse
        // the larger.
        const sortButton = findChild(library, "sortButton")
        const sortMenu = findChild(library, "sortMenu")
        findChild(library, "groupByButton").forceActiveFocus()
        keyClick(Qt.Key_Tab)
        verify(sortButton.activeFocus)
        keyClick(Qt.Key_Space)
        tryCompare(sortMenu, "opened", true)
        for (let i = 0; i < 3; ++i)
            keyClick(Qt.Key_Down)
        keyClick(Qt.Key_Return)
        tryCompare(sortMenu, "visible", false)
        compare([filter.sortKey, filter.sortAscending], ["Size", true])
        const firstCard = () => library.list.itemAtIndex(1).name
        tryVerify(() => firstCard() === "Abacus Five")
        mouseClick(sortButton)
        tryCompare(sortMenu, "opened", true)
        mouseClick(findChild(sortMenu.contentItem, "sortDescending"))
        compare([filter.sortKey, filter.sortAscending], ["Size", false])
        tryVerify(() => firstCard() === "Aardvark Seven Formats Mastering Suite With A Very Long Name")
        compare(sortButton.text, "Sort by Size, Descending")
        // The checked entry stays checked when clicked again.
        mouseClick(sortButton)
        tryCompare(sortMenu, "opened", true)
        mouseClick(findChild(sortMenu.contentItem, "sortDescending"))
        verify(findChild(sortMenu.contentItem, "sortDescending").checked)

        mouseClick(findChild(library, "compactViewButton"))
        compare([library.compactView, String(ZuzuzeVizozodApp.preference("libraryCompactView", false))], [true, "true"])
        const header = findChild(library, "compactListHeader")
        verify(header.visible)
        tryVerify(() => findChild(library.list.itemAtIndex(1), "compactName") !== null)
        const date = findChild(library.list.itemAtIndex(1), "compactDate")
        verifyInside(date, library.list, "compact date")
        verify(!date.truncated)

        const sizeTitle = findChild(header, "columnSize")
        waitForRendering(window.contentItem)
        mouseClick(sizeTitle)
        compare([filter.sortKey, filter.sortAscending], ["Size", true])
        mouseClick(findChild(header, "columnSize"))
        compare([filter.sortKey, filter.sortAscending], ["Size", false])
        // Largest first within the first section.
        compare(library.list.itemAtIndex(1).name, "Aardvark Seven Formats Mastering Suite With A Very Long Name")
        compare([ZuzuzeVizozodApp.preference("librarySortKey", ""), ZuzuzeVizozodApp.preference("librarySortAscending", true)]
                .map(String), ["Size", "false"])

        // A new window starts with the kept choices.
        const kept = openWindow(700, 600, 0, true).libraryView
        compare([kept.controller.filterState.sortKey, kept.controller.filterState.sortAscending, kept.compactView],
                ["Size", false, true])

        mouseClick(findChild(library, "compactViewButton"))
        filter.sortKey = "Name"
        filter.sortAscending = true
        verify(!library.compactView)
    }

    function test_accessibility_tree_names_the_controls_and_survives_resizing() {
        UiFixture.activateAccessibility()
        const window = openWindow(880, 640, 2)
        const tree = UiFixture.accessibleTree(window)
        const expected = [
            "Button: Library", "Button: Dashboard", "Button: Refresh", "Button: Export", "Button: Folders",
            "Button: Group by: Name", "Button: Sort by Name, Ascending", "EditableText: Search", "Button: Show Compact List", "List: Plugins",
            "ListItem: Abacus Five | Example, AU, VST, VST3, AAX, CLAP, 5 GB, 1-Mar-24",
            "Button: Filters", "StaticText: A, 2",
            "Button: Add to favorites", "Button: Open Abacus Five", "Button: All", "Button: Favorites",
        ]
        for (const line of expected)
            verify(tree.some((node) => node.startsWith(line)), "no \"" + line + "\" in\n" + tree.join("\n"))
        // Hidden parts (the Rosetta badge of a universal build, the compact list's column titles)
        // are not read out.
        compare(tree.filter((node) => node === "StaticText: Rosetta").length, 2)
        verify(!tree.some((node) => node.startsWith("Button: Size")))

        // Operated through the tree as a screen reader would.
        verify(UiFixture.pressAccessible(window, "Show Compact List"))
        verify(window.libraryView.compactView)
        verify(UiFixture.pressAccessible(window, "Show Cards"))
        verify(!window.libraryView.compactView)

        // Reading the whole tree once, closed menus and sheets included, used to make the next
        // resize crash inside a closed popup.
        verify(UiFixture.accessibleTree(window, true).length > tree.length)
        for (const size of [[700, 600], [1200, 900], [880, 640]]) {
            window.width = size[0]
            window.height = size[1]
            waitForRendering(window.contentItem)
            verify(UiFixture.accessibleTree(window).length >= expected.length)
        }
    }
}
