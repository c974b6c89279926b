import QtQuick
import QtQuick.Controls

// A borderless quick-filter button on a capsule, tinted with the accent colour when selected.
AbstractButton {
    id: chip

    property string systemImage
    property bool isSelected

    implicitWidth: content.implicitWidth + 24
    implicitHeight: content.implicitHeight + 14
    hoverEnabled: true
    focusPolicy: Qt.TabFocus
    // Named outright: a control takes its text as its name only when the bridge was on first.
    Accessible.name: text
    Accessible.checkable: true
    Accessible.checked: isSelected

    contentItem: Item {
        Row {
            id: content
            anchors.centerIn: parent
            spacing: 6

            SymbolIcon {
                anchors.verticalCenter: parent.verticalCenter
                visible: chip.systemImage.length > 0
                symbol: chip.systemImage
                size: 12
                color: label.color
            }
            Text {
                id: label
                anchors.verticalCenter: parent.verticalCenter
                text: chip.text
                color: chip.isSelected ? Theme.primary : Theme.secondary
                font.pixelSize: Theme.caption
                font.weight: Font.DemiBold
            }
        }
    }

    background: Rectangle {
        radius: height / 2
        color: chip.isSelected ? Theme.faded(Theme.accent, Theme.dark ? 0.2 : 0.13)
                               : Theme.faded(Theme.ink, Theme.dark ? 0.075 : 0.045)
        border.width: chip.visualFocus ? 2 : 1
        border.color: chip.visualFocus ? Theme.focusRing
                                       : chip.isSelected ? Theme.faded(Theme.accent, Theme.dark ? 0.34 : 0.22)
                                                         : Theme.faded(Theme.ink, 0.08)
        opacity: chip.pressed ? 0.7 : 1
    }
}
