import QtQuick
import QtQuick.Controls
import ZuzuzeVizozod

// The window's two tabs, Library and Dashboard, as a sidebar list with one selection.
Rectangle {
    id: sidebar

    property string selectedTab: "Library"

    signal tabSelected(string tab)

    color: Theme.sidebarColor

    Column {
        anchors.fill: parent
        anchors.topMargin: 10
        anchors.leftMargin: 8
        anchors.rightMargin: 8
        spacing: 2

        Repeater {
            model: [
                { label: "Library", symbol: "square.grid.2x2" },
                { label: "Dashboard", symbol: "chart.bar" }
            ]

            AbstractButton {
                id: tabButton
                required property var modelData
                readonly property bool selected: sidebar.selectedTab === modelData.label
                objectName: "tab_" + modelData.label
                text: modelData.label
                Accessible.name: text
                Accessible.selected: selected
                width: parent.width
                height: 30
                hoverEnabled: true
                onClicked: sidebar.tabSelected(modelData.label)

                background: Rectangle {
                    radius: 6
                    border.width: tabButton.visualFocus ? 2 : 0
                    border.color: Theme.focusRing
                    color: tabButton.selected ? Theme.faded(Theme.accent, Theme.dark ? 0.3 : 0.18)
                                              : tabButton.hovered ? Theme.faded(Theme.ink, 0.05) : "transparent"
                }
                contentItem: Row {
                    leftPadding: 8
                    spacing: 8

                    SymbolIcon {
                        anchors.verticalCenter: parent.verticalCenter
                        symbol: tabButton.modelData.symbol
                        size: 16
                        color: tabButton.selected ? Theme.accent : Theme.secondary
                    }
                    Text {
                        anchors.verticalCenter: parent.verticalCenter
                        text: tabButton.modelData.label
                        color: Theme.primary
                        font.pixelSize: 12
                    }
                }
            }
        }
    }
}
