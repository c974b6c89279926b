import QtQuick
import QtQuick.Controls

// A tag's name with a small button that removes it, on a light blue capsule.
Rectangle {
    id: chip

    property string name
    signal remove()

    implicitWidth: content.implicitWidth + 16
    implicitHeight: content.implicitHeight + 8
    radius: height / 2
    color: Theme.faded(Theme.blue, 0.12)

    Row {
        id: content
        anchors.centerIn: parent
        spacing: 4

        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: chip.name
            color: Theme.primary
            font.pixelSize: Theme.caption
        }
        AbstractButton {
            id: removeButton
            objectName: "removeTagButton"
            anchors.verticalCenter: parent.verticalCenter
            implicitWidth: 12
            implicitHeight: 12
            hoverEnabled: true
            onClicked: chip.remove()
            Accessible.name: "Remove tag " + chip.name
            contentItem: SymbolIcon {
                symbol: "xmark"
                size: 9
                color: removeButton.hovered ? Theme.primary : Theme.secondary
            }
            ToolTip.visible: hovered
            ToolTip.delay: 600
            ToolTip.text: "Remove tag"
        }
    }
}
