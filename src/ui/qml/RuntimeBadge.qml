import QtQuick

// A symbol and a short text on a blue-grey capsule ("Rosetta").
Rectangle {
    id: badge

    property string title
    property string systemImage
    readonly property color tint: Theme.runtime

    implicitWidth: content.implicitWidth + 18
    implicitHeight: content.implicitHeight + 8
    radius: height / 2
    color: Theme.faded(tint, 0.13)
    border.width: 1
    border.color: Theme.faded(tint, 0.24)

    Row {
        id: content
        anchors.centerIn: parent
        spacing: 5

        SymbolIcon {
            anchors.verticalCenter: parent.verticalCenter
            symbol: badge.systemImage
            size: 10
            color: badge.tint
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: badge.title
            color: badge.tint
            font.pixelSize: 11
            font.weight: Font.DemiBold
        }
    }
}
