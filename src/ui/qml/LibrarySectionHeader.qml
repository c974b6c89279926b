import QtQuick

// A section's title in capitals and its number of groups on a small capsule.
Item {
    id: header

    property string title
    property int count

    implicitHeight: row.implicitHeight + 18 + 6

    Row {
        id: row
        x: 26
        y: 18
        spacing: 8

        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: header.title.toUpperCase()
            color: Theme.secondary
            font.pixelSize: Theme.caption
            font.weight: Font.Bold
            font.letterSpacing: 0.8
        }
        Rectangle {
            anchors.verticalCenter: parent.verticalCenter
            width: countText.implicitWidth + 12
            height: countText.implicitHeight + 4
            radius: height / 2
            color: Theme.faded(Theme.ink, 0.055)

            Text {
                id: countText
                anchors.centerIn: parent
                text: header.count
                color: Theme.tertiary
                font.pixelSize: Theme.caption2
                font.weight: Font.DemiBold
            }
        }
    }
}
