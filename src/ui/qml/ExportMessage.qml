import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import ZuzuzeVizozod

// How an export ended, told in the window without stopping the user: a failure, or the file
// written with a way to it in the file manager. It goes away by itself.
Rectangle {
    id: message

    property alias text: label.text
    // The file written; "" when the message tells a failure.
    property string writtenPath

    function show(text) {
        writtenPath = ""
        label.text = text
        visible = true
        hideTimer.restart()
    }

    function showWritten(path) {
        writtenPath = path
        label.text = "Exported \u201c" + path.substring(path.lastIndexOf("/") + 1) + "\u201d"
        visible = true
        hideTimer.restart()
    }

    visible: false
    implicitWidth: Math.min(520, content.implicitWidth + 28)
    implicitHeight: content.implicitHeight + 20
    radius: 10
    color: writtenPath.length > 0 ? Theme.windowColor : Theme.dark ? "#3a2222" : "#fdeceb"
    border.width: 1
    border.color: writtenPath.length > 0 ? Theme.faded(Theme.ink, 0.18) : Theme.faded(Theme.red, 0.45)

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
            symbol: message.writtenPath.length > 0 ? "checkmark.circle.fill" : "exclamationmark.triangle"
            size: 16
            color: message.writtenPath.length > 0 ? Theme.green : Theme.red
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
        Button {
            objectName: "showInFolderButton"
            visible: message.writtenPath.length > 0
            text: "Show in Folder"
            font.pixelSize: Theme.subheadline
            onClicked: FileRevealer.reveal(message.writtenPath)
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
