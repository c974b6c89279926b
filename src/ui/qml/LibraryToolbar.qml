import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import ZuzuzeVizozod

// Refresh, the grouping and sort menus, the export menu, the folder sheet, and the search field.
Rectangle {
    id: toolbar

    required property LibraryController controller
    property alias searchField: searchField
    property bool compactView: false
    // Short of room (the window's minimum width), the plain buttons keep only their symbols.
    readonly property bool iconsOnly: width < 640

    signal exportRequested(string format)
    signal foldersRequested()
    signal compactViewToggled()

    implicitHeight: 48
    color: "transparent"

    // One check in each menu's list: a click on the checked entry leaves it checked.
    ButtonGroup { id: groupings }
    ButtonGroup { id: sortKeys }
    ButtonGroup { id: sortOrders }

    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: 16
        anchors.rightMargin: 16
        spacing: 4

        ToolbarButton {
            objectName: "refreshButton"
            text: "Refresh"
            symbol: "arrow.clockwise"
            iconOnly: toolbar.iconsOnly
            enabled: !toolbar.controller.isScanning
            onClicked: toolbar.controller.refresh()
        }

        ToolbarButton {
            id: groupButton
            objectName: "groupByButton"
            text: "Group by: " + toolbar.controller.filterState.groupingMode
            symbol: "chevron.down"
            display: AbstractButton.TextBesideIcon
            LayoutMirroring.enabled: true
            Accessible.name: text
            Accessible.description: "Sections of the list"
            onClicked: groupMenu.open()

            Menu {
                id: groupMenu
                objectName: "groupMenu"
                y: groupButton.height

                Repeater {
                    model: ["Name", "Publisher", "Format", "Architecture", "Type"]
                    MenuItem {
                        required property string modelData
                        text: modelData
                        checkable: true
                        checked: toolbar.controller.filterState.groupingMode === modelData
                        ButtonGroup.group: groupings
                        onTriggered: toolbar.controller.filterState.groupingMode = modelData
                    }
                }
            }
        }

        ToolbarButton {
            id: sortButton
            objectName: "sortButton"
            readonly property string order: toolbar.controller.filterState.sortAscending ? "Ascending" : "Descending"
            text: "Sort by " + toolbar.controller.filterState.sortKey + ", " + order
            symbol: "arrow.up.arrow.down"
            // Narrow enough for the minimum window; the label lives on in the tooltip.
            iconOnly: true
            Accessible.description: "Order of the plugins within each section"
            onClicked: sortMenu.open()

            Menu {
                id: sortMenu
                objectName: "sortMenu"
                y: sortButton.height

                Repeater {
                    model: ["Name", "Publisher", "Size", "Install Date", "Modification Date"]
                    MenuItem {
                        required property string modelData
                        objectName: "sortBy" + modelData.replace(" ", "")
                        text: modelData
                        checkable: true
                        checked: toolbar.controller.filterState.sortKey === modelData
                        ButtonGroup.group: sortKeys
                        onTriggered: toolbar.controller.filterState.sortKey = modelData
                    }
                }
                MenuSeparator {}
                Repeater {
                    model: ["Ascending", "Descending"]
                    MenuItem {
                        required property string modelData
                        objectName: "sort" + modelData
                        text: modelData
                        checkable: true
                        checked: sortButton.order === modelData
                        ButtonGroup.group: sortOrders
                        onTriggered: toolbar.controller.filterState.sortAscending = modelData === "Ascending"
                    }
                }
            }
        }

        ToolbarButton {
            id: exportButton
            objectName: "exportButton"
            text: "Export"
            symbol: "square.and.arrow.up"
            iconOnly: toolbar.iconsOnly
            onClicked: exportMenu.open()

            Menu {
                id: exportMenu
                y: exportButton.height

                MenuItem { text: "CSV\u2026"; onTriggered: toolbar.exportRequested("csv") }
                MenuItem { text: "Text\u2026"; onTriggered: toolbar.exportRequested("text") }
                MenuItem { text: "Markdown\u2026"; onTriggered: toolbar.exportRequested("markdown") }
                MenuItem { text: "PDF\u2026"; onTriggered: toolbar.exportRequested("pdf") }
                MenuItem { text: "JSON\u2026"; onTriggered: toolbar.exportRequested("json") }
            }
        }

        ToolbarButton {
            objectName: "foldersButton"
            text: "Folders"
            symbol: "folder.badge.gear"
            iconOnly: toolbar.iconsOnly
            onClicked: toolbar.foldersRequested()
        }

        ToolbarButton {
            objectName: "compactViewButton"
            text: toolbar.compactView ? "Show Cards" : "Show Compact List"
            symbol: toolbar.compactView ? "square.grid.2x2" : "list.bullet"
            iconOnly: true
            onClicked: toolbar.compactViewToggled()
        }

        Item {
            Layout.fillWidth: true
        }

        TextField {
            id: searchField
            objectName: "searchField"
            Layout.preferredWidth: Math.min(260, Math.max(160, toolbar.width * 0.3))
            Layout.minimumWidth: 120
            Layout.fillWidth: toolbar.iconsOnly
            Layout.maximumWidth: 260
            placeholderText: "Search by name or publisher"
            leftPadding: 28
            rightPadding: clearButton.visible ? 26 : 8
            Accessible.name: "Search"
            Accessible.description: placeholderText
            // Escape empties a field that holds text; an empty one leaves Escape to the sheets.
            Keys.onEscapePressed: (event) => {
                if (text.length > 0) {
                    searchField.clear()
                    toolbar.controller.editSearch("")
                } else {
                    event.accepted = false
                }
            }
            font.pixelSize: Theme.body
            selectByMouse: true
            // Shows the filter's text, but hands its own edits on only after the pause.
            text: toolbar.controller.filterState.searchText
            onTextEdited: toolbar.controller.editSearch(text)

            SymbolIcon {
                anchors.left: parent.left
                anchors.leftMargin: 8
                anchors.verticalCenter: parent.verticalCenter
                symbol: "magnifyingglass"
                size: 14
                color: Theme.secondary
            }

            AbstractButton {
                id: clearButton
                objectName: "searchClearButton"
                anchors.right: parent.right
                anchors.rightMargin: 4
                anchors.verticalCenter: parent.verticalCenter
                width: 20
                height: 20
                visible: searchField.text.length > 0
                focusPolicy: Qt.NoFocus
                Accessible.name: "Clear Search"
                onClicked: {
                    searchField.clear()
                    toolbar.controller.editSearch("")
                    searchField.forceActiveFocus()
                }
                contentItem: SymbolIcon {
                    symbol: "xmark.circle.fill"
                    size: 14
                    color: clearButton.hovered ? Theme.secondary : Theme.tertiary
                }
            }
        }
    }
}
