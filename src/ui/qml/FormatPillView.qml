import QtQuick

// An install's format: in the format's colour when found, faded grey when not found.
Rectangle {
    id: pill

    property string format
    property bool isNotFound
    readonly property color tint: isNotFound ? Theme.secondary : Theme.formatColor(format)

    implicitWidth: label.implicitWidth + 16
    implicitHeight: label.implicitHeight + 8
    radius: height / 2
    color: Theme.faded(tint, isNotFound ? 0.12 : 0.14)
    border.width: 1
    border.color: Theme.faded(tint, isNotFound ? 0.18 : 0.28)
    opacity: isNotFound ? 0.45 : 1

    Text {
        id: label
        anchors.centerIn: parent
        text: pill.format.toUpperCase()
        color: pill.isNotFound ? pill.tint : Theme.onTint(pill.tint)
        font.pixelSize: 11
        font.weight: Font.Bold
    }
}
