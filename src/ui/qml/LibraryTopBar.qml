import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import ZuzuzeVizozod

// The scope chips, the scanning indicator and the filter button, on a thin material.
Rectangle {
    id: topBar

    required property LibraryController controller

    signal filtersRequested()

    implicitHeight: row.implicitHeight + 24
    color: Theme.material

    Rectangle {
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        height: 1
        color: Theme.faded(Theme.ink, 0.08)
    }

    RowLayout {
        id: row
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: 28
        anchors.rightMargin: 28
        anchors.verticalCenter: parent.verticalCenter
        spacing: 12

        Flickable {
            id: chipScroller
            Layout.fillWidth: true
            Layout.preferredHeight: chips.implicitHeight
            contentWidth: chips.implicitWidth
            contentHeight: chips.implicitHeight
            flickableDirection: Flickable.HorizontalFlick
            boundsBehavior: Flickable.StopAtBounds
            clip: true

            Row {
                id: chips
                spacing: 8

                Repeater {
                    model: topBar.controller.chipTitles
                    LibraryScopeChip {
                        required property string modelData
                        objectName: "chip_" + modelData
                        text: modelData
                        systemImage: topBar.controller.chipSymbol(modelData)
                        isSelected: topBar.controller.selectedChips.indexOf(modelData) >= 0
                        onClicked: topBar.controller.activateChip(modelData)
                    }
                }
            }
        }

        Rectangle {
            objectName: "scanningIndicator"
            visible: topBar.controller.isScanning
            implicitWidth: scanning.implicitWidth + 24
            implicitHeight: scanning.implicitHeight + 14
            radius: height / 2
            color: Theme.quaternaryFill

            Row {
                id: scanning
                anchors.centerIn: parent
                spacing: 8

                ScanningSpinner {
                    anchors.verticalCenter: parent.verticalCenter
                    running: topBar.controller.isScanning
                    size: 14
                }
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: "Scanning"
                    color: Theme.secondary
                    font.pixelSize: Theme.caption
                    font.weight: Font.DemiBold
                }
            }
        }

        Button {
            id: filtersButton
            objectName: "filtersButton"
            text: topBar.controller.filtersButtonText
            icon.source: "image://symbol/" + (topBar.controller.hasActiveFilters
                                             ? "line.3.horizontal.decrease.circle.fill"
                                             : "line.3.horizontal.decrease.circle")
            icon.width: 14
            icon.height: 14
            icon.color: topBar.controller.hasActiveFilters ? Theme.accent : Theme.primary
            font.pixelSize: Theme.caption
            font.weight: Font.DemiBold
            Accessible.name: text
            onClicked: topBar.filtersRequested()
        }
    }
}
