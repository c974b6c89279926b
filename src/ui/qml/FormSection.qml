import QtQuick
import QtQuick.Layouts

// A titled group of form rows on one rounded panel. Rows stack in order and span the panel.
ColumnLayout {
    id: section

    property string title
    default property alias rows: box.data

    spacing: 6

    Text {
        visible: section.title.length > 0
        Layout.leftMargin: 12
        text: section.title
        color: Theme.secondary
        font.pixelSize: Theme.caption
        font.weight: Font.DemiBold
    }

    Rectangle {
        Layout.fillWidth: true
        implicitHeight: box.implicitHeight
        radius: 10
        color: Theme.quaternaryFill
        border.width: 1
        border.color: Theme.faded(Theme.ink, 0.06)

        Column {
            id: box
            width: parent.width
        }
    }
}
