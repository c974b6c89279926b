import QtQuick

// A format's name on a capsule in the format's colour (grey for an unknown format).
Rectangle {
    id: badge

    property string format
    readonly property color tint: Theme.formatColor(format)

    implicitWidth: label.implicitWidth + 16
    implicitHeight: label.implicitHeight + 8
    radius: height / 2
    color: Theme.faded(tint, 0.14)
    border.width: 1
    border.color: Theme.faded(tint, 0.26)

    Text {
        id: label
        anchors.centerIn: parent
        text: badge.format.toUpperCase()
        color: Theme.onTint(badge.tint)
        font.pixelSize: 11
        font.weight: Font.Bold
    }
}
