import QtQuick
import QtQuick.Layouts

// One row of a FormSection: a label on the leading side and a control on the trailing side, with
// a hairline above every row but the first.
Item {
    id: row

    property string text
    default property alias trailingItems: trailing.data

    signal labelTapped()

    width: parent ? parent.width : implicitWidth
    implicitWidth: label.implicitWidth + trailing.implicitWidth + 44
    implicitHeight: Math.max(38, trailing.implicitHeight + 10)

    Rectangle {
        visible: row.y > 0
        x: 14
        width: row.width - 14
        height: 1
        color: Theme.faded(Theme.ink, 0.07)
    }

    Text {
        id: label
        anchors.left: parent.left
        anchors.leftMargin: 14
        anchors.right: trailing.left
        anchors.rightMargin: 12
        anchors.verticalCenter: parent.verticalCenter
        text: row.text
        elide: Text.ElideRight
        color: Theme.primary
        font.pixelSize: Theme.body

        TapHandler {
            onTapped: row.labelTapped()
        }
    }

    RowLayout {
        id: trailing
        anchors.right: parent.right
        anchors.rightMargin: 10
        anchors.verticalCenter: parent.verticalCenter
    }
}
