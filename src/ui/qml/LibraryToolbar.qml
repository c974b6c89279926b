import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import ZuzuzeVizozod

// Refresh, the grouping menu, the export menu, the folder sheet, and the search field.
Rectangle {
    id: toolbar

    required property LibraryController controller
    property alias searchField: searchField

    signal exportRequested(string format)
    signal foldersRequested()

    implicitHeight: 48
    color: "transparent"

    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: 16
        anchors.rightMargin: 16
        spacing: 4

        ToolbarButton {
            objectName: "refreshButton"
            text: "Refresh"
            symbol: "arrow.clockwise"
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
            onClicked: groupMenu.open()

            Menu {
                id: groupMenu
                y: groupButton.height

                Repeater {
                    model: ["Name", "Publisher", "Format", "Architecture", "Type"]
                    MenuItem {
                        required property string modelData
                        text: modelData
                        checkable: true
                        checked: toolbar.controller.filterState.groupingMode === modelData
                        onTriggered: toolbar.controller.filterState.groupingMode = modelData
                    }
                }
            }
        }

        ToolbarButton {
            id: exportButton
            objectName: "exportButton"
            text: "Export"
            symbol: "square.and.arrow.up"
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
            onClicked: toolbar.foldersRequested()
        }

        Item {
            Layout.fillWidth: true
        }

        TextField {
            id: searchField
            objectName: "searchField"
            Layout.preferredWidth: Math.min(260, Math.max(160, toolbar.width * 0.3))
            placeholderText: "Search by name or publisher"
            leftPadding: 28
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
        }
    }
}
