import QtQuick
import QtQuick.Controls

// A symbol and a short text on a blue-grey capsule ("Rosetta").
Rectangle {
    id: badge

    property string title
    property string systemImage
    // Where space is short: the symbol alone, the title in its tooltip.
    property bool symbolOnly: false
    readonly property color tint: Theme.runtime

    implicitWidth: content.implicitWidth + (symbolOnly ? 12 : 18)
    implicitHeight: content.implicitHeight + 8
    radius: height / 2
    color: Theme.faded(tint, 0.13)
    border.width: 1
    border.color: Theme.faded(tint, 0.24)

    Accessible.role: Accessible.StaticText
    Accessible.name: badge.title

    HoverHandler {
        id: hover
    }
    ToolTip.visible: badge.symbolOnly && hover.hovered
    ToolTip.delay: 400
    ToolTip.text: badge.title

    Row {
        id: content
        anchors.centerIn: parent
        spacing: 5

        SymbolIcon {
            anchors.verticalCenter: parent.verticalCenter
            symbol: badge.systemImage
            size: 10
            color: Theme.runtimeText
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            visible: !badge.symbolOnly
            text: badge.title
            color: Theme.runtimeText
            font.pixelSize: 11
            font.weight: Font.DemiBold
        }
    }
}
