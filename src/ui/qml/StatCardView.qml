import QtQuick

// One figure of the dashboard: its symbol in the card's colour, the value, and what it counts.
Rectangle {
    id: card

    property string title
    property string value
    property string icon
    property color tint: Theme.blue

    implicitWidth: 160
    implicitHeight: column.implicitHeight + 28
    radius: 12
    color: Theme.quaternaryFill

    Column {
        id: column
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        anchors.leftMargin: 14
        anchors.rightMargin: 14
        spacing: 6

        SymbolIcon {
            symbol: card.icon
            size: 18
            color: card.tint
        }
        Text {
            objectName: "statValue"
            width: parent.width
            text: card.value
            elide: Text.ElideRight
            color: Theme.primary
            font.pixelSize: 22
            font.weight: Font.Bold
        }
        Text {
            width: parent.width
            text: card.title
            elide: Text.ElideRight
            color: Theme.secondary
            font.pixelSize: Theme.caption
        }
    }
}
