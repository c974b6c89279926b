import QtQuick
import QtQuick.Controls

// The confirming button of a sheet, filled with the accent colour.
Button {
    id: button

    font.pixelSize: Theme.body
    font.weight: Font.DemiBold
    leftPadding: 16
    rightPadding: 16

    contentItem: Text {
        text: button.text
        font: button.font
        color: "#ffffff"
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }

    background: Rectangle {
        implicitWidth: 72
        implicitHeight: 28
        radius: 6
        color: button.down ? Qt.darker(Theme.selection, 1.2) : button.hovered ? Qt.lighter(Theme.selection, 1.1) : Theme.selection
        border.width: button.visualFocus ? 2 : 0
        border.color: Theme.faded(Theme.ink, 0.5)
    }
}
