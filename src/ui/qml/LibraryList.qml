import QtQuick
import QtQuick.Controls
import Qt.labs.qmlmodels
import ZuzuzeVizozod

// The sections and their cards (or compact rows) in one recycled list; the window's background
// shows through. The keyboard moves a current row over the cards, skipping the headers.
ListView {
    id: list

    required property LibraryController controller
    property bool compact: false
    readonly property alias contextMenu: contextMenu
    // Compact columns, shared with the column header above the list.
    readonly property int formatsWidth: width < 600 ? 86 : 120
    readonly property int sizeWidth: 70
    readonly property int dateWidth: 82
    readonly property int publisherWidth: Math.max(90, Math.round((width - 32) * 0.24))

    function moveCurrent(row, direction) {
        const target = controller.listModel.cardRowFrom(row, direction)
        const found = target >= 0 ? target : controller.listModel.cardRowFrom(row, -direction)
        if (found < 0)
            return
        currentIndex = found
        positionViewAtIndex(found, ListView.Contain)
    }

    // The row whose top is about one page away from the current row's.
    function pageTarget(direction) {
        const from = currentItem ? currentItem.y : contentY
        const y = from + direction * Math.max(height - 40, 40)
        let row = indexAt(width / 2, y)
        if (row < 0)
            row = direction > 0 ? count - 1 : 0
        return row
    }

    function toggleCurrent() {
        if (currentItem && !currentItem.isHeader)
            controller.listModel.setExpanded(currentIndex, !currentItem.expanded)
    }

    function openMenuFor(row, record, path, item, x, y) {
        currentIndex = row
        contextMenu.openFor(record, path, item, x, y)
    }

    model: controller.listModel
    reuseItems: true
    // No rows kept beyond the view: a search or a filter change rewrites every kept row within the
    // frame, and rows scrolled into view come from the reuse pool anyway.
    cacheBuffer: 0
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    bottomMargin: 16
    currentIndex: -1
    keyNavigationEnabled: false
    highlightFollowsCurrentItem: false
    activeFocusOnTab: true
    Accessible.role: Accessible.List
    Accessible.name: "Plugins"

    // Always there and wide enough to grab, in the margin beside the cards.
    ScrollBar.vertical: ScrollBar {
        objectName: "listScrollBar"
        policy: list.contentHeight > list.height ? ScrollBar.AlwaysOn : ScrollBar.AsNeeded
        minimumSize: 0.08
        width: 12
    }

    Keys.onPressed: (event) => {
        const rows = controller.listModel
        switch (event.key) {
        case Qt.Key_Down: moveCurrent(currentIndex < 0 ? 0 : currentIndex + 1, 1); break
        case Qt.Key_Up: moveCurrent(currentIndex < 0 ? 0 : currentIndex - 1, -1); break
        case Qt.Key_Home: moveCurrent(0, 1); break
        case Qt.Key_End: moveCurrent(count - 1, -1); break
        case Qt.Key_PageDown: moveCurrent(pageTarget(1), 1); break
        case Qt.Key_PageUp: moveCurrent(pageTarget(-1), -1); break
        case Qt.Key_Return:
        case Qt.Key_Enter:
        case Qt.Key_Space: toggleCurrent(); break
        case Qt.Key_Menu:
            if (currentItem && !currentItem.isHeader)
                currentItem.openMenu()
            break
        default: return
        }
        event.accepted = true
    }

    PluginContextMenu {
        id: contextMenu
    }

    // Headers and cards wait apart in the reuse pool, so a recycled row never builds the other kind.
    delegate: DelegateChooser {
        role: "isHeader"

        DelegateChoice {
            roleValue: true

            Item {
                id: headerRow

                required property int index
                required property string title
                required property int count
                readonly property bool isHeader: true
                readonly property bool expanded: false

                width: ListView.view ? ListView.view.width : 0
                height: sectionHeader.implicitHeight
                visible: index >= 0

                Accessible.role: Accessible.StaticText
                Accessible.name: title + ", " + count

                LibrarySectionHeader {
                    id: sectionHeader
                    width: parent.width
                    title: headerRow.title
                    count: headerRow.count
                }
            }
        }

        DelegateChoice {
            delegate: cardRow
        }
    }

    Component {
        id: cardRow

        Item {
            id: row

            required property int index
            readonly property bool isHeader: false
            required property string groupId
            required property string name
            required property string publisher
            required property var formats
            required property var architectures
            required property string totalSize
            required property string dated
            required property PluginRecord record
            required property bool possiblyOutdated
            required property bool expanded
            readonly property bool showsFocus: ListView.isCurrentItem && list.activeFocus

            // The first found install stands for the whole card.
            function firstPath() {
                const installs = CardPresentation.orderedInstalls(row.record)
                return installs.length > 0 ? installs[0].filePath : ""
            }
            function openMenu() {
                list.openMenuFor(index, record, firstPath(), row, 40, Math.min(height, 40))
            }
            function select() {
                list.currentIndex = index
                list.forceActiveFocus()
            }

            width: ListView.view ? ListView.view.width : 0
            height: content.item ? content.item.implicitHeight : 0
            // A delegate waiting in the reuse pool keeps its place but must take no clicks.
            visible: index >= 0

            Accessible.role: Accessible.ListItem
            Accessible.name: name
            Accessible.description: CardPresentation.accessibleSummary(publisher, formats, totalSize, dated)
            Accessible.selected: ListView.isCurrentItem

            Loader {
                id: content
                width: parent.width
                // An opened row of the compact list shows its whole card.
                sourceComponent: list.compact && !row.expanded ? compactComponent : cardComponent
            }

            Component {
                id: cardComponent
                Item {
                    implicitHeight: card.implicitHeight

                    PluginCardView {
                        id: card
                        objectName: "pluginCard"
                        x: 16
                        width: parent.width - 32
                        groupId: row.groupId
                        name: row.name
                        publisher: row.publisher
                        formats: row.formats
                        architectures: row.architectures
                        totalSize: row.totalSize
                        dated: row.dated
                        record: row.record
                        possiblyOutdated: row.possiblyOutdated
                        isExpanded: row.expanded
                        hasKeyFocus: row.showsFocus
                        onToggleRequested: {
                            row.select()
                            list.controller.listModel.setExpanded(row.index, !row.expanded)
                        }
                        onInstallMenuRequested: (path, item, x, y) => list.openMenuFor(row.index, row.record, path, item, x, y)
                        onMenuRequested: (item, x, y) => list.openMenuFor(row.index, row.record, row.firstPath(), item, x, y)
                    }
                }
            }

            Component {
                id: compactComponent
                // Wrapped: the loader sizes its item to itself, which would undo the margins.
                Item {
                    implicitHeight: compactRow.implicitHeight

                    CompactPluginRow {
                        id: compactRow
                        objectName: "compactRow"
                        x: 16
                        width: parent.width - 32
                        name: row.name
                        publisher: row.publisher
                        formats: row.formats
                        totalSize: row.totalSize
                        dated: row.dated
                        record: row.record
                        publisherWidth: list.publisherWidth
                        formatsWidth: list.formatsWidth
                        sizeWidth: list.sizeWidth
                        dateWidth: list.dateWidth
                        hasKeyFocus: row.showsFocus
                        onActivated: row.select()
                        onMenuRequested: (item, x, y) => list.openMenuFor(row.index, row.record, row.firstPath(), item, x, y)
                        onOpenRequested: {
                            row.select()
                            list.controller.listModel.setExpanded(row.index, true)
                        }
                    }
                }
            }
        }
    }
}
