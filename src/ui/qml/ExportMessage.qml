import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// A failed export, told in the window without stopping the user; it goes away by itself.
Rectangle {
    id: message

    property alias text: label.text

    function show(text) {
        label.text = text
        visible = true
        hideTimer.restart()
    }

    visible: false
    implicitWidth: Math.min(520, content.implicitWidth + 28)
    implicitHeight: content.implicitHeight + 20
    radius: 10
    color: Theme.dark ? "#3a2222" : "#fdeceb"
    border.width: 1
    border.color: Theme.faded(Theme.red, 0.45)

    Timer {
        id: hideTimer
        interval: 8000
        onTriggered: message.visible = false
    }

    RowLayout {
        id: content
        anchors.fill: parent
        anchors.leftMargin: 14
        anchors.rightMargin: 8
        spacing: 10

        SymbolIcon {
            symbol: "exclamationmark.triangle"
            size: 16
            color: Theme.red
        }
        Text {
            id: label
            objectName: "exportMessageText"
            Layout.fillWidth: true
            Layout.maximumWidth: 420
            wrapMode: Text.Wrap
            color: Theme.primary
            font.pixelSize: Theme.subheadline
        }
        ToolButton {
            icon.source: "image://symbol/xmark"
            icon.width: 10
            icon.height: 10
            icon.color: Theme.secondary
            onClicked: message.visible = false
        }
    }
}
