import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import ZuzuzeVizozod

// A line under the library's top bar: the progress of a running refresh, then what it changed,
// when the last scan ended, why nothing was found when nothing was, and which folders could not be
// read, listed on demand.
Rectangle {
    id: bar

    required property RefreshStatus status
    readonly property string message: status.isScanning ? status.progressText
                                      : status.errorText.length > 0 ? status.errorText
                                      : status.nothingFoundText.length > 0 ? status.nothingFoundText
                                      : status.summaryText
    readonly property bool warning: !status.isScanning
                                    && (status.errorText.length > 0 || status.nothingFoundText.length > 0
                                        || status.unreadableText.length > 0)
    property bool showsUnreadable: false

    visible: message.length > 0 || status.lastScanText.length > 0
    implicitHeight: visible ? Math.max(28, column.implicitHeight + 10) : 0
    color: warning ? Theme.faded(Theme.orange, Theme.dark ? 0.16 : 0.12) : "transparent"

    Rectangle {
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        height: 1
        color: Theme.faded(Theme.ink, 0.08)
    }

    ColumnLayout {
        id: column
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: 28
        anchors.rightMargin: 28
        anchors.verticalCenter: parent.verticalCenter
        spacing: 2

        RowLayout {
            id: row
            Layout.fillWidth: true
            spacing: 8

            ScanningSpinner {
                Layout.preferredWidth: 16
                Layout.preferredHeight: 16
                visible: bar.status.isScanning
                running: visible
            }
            SymbolIcon {
                visible: bar.warning
                symbol: "exclamationmark.triangle"
                size: 13
                color: Theme.orange
            }
            Text {
                objectName: "refreshMessage"
                Layout.fillWidth: true
                text: bar.message
                wrapMode: Text.Wrap
                maximumLineCount: 3
                elide: Text.ElideRight
                color: Theme.primary
                font.pixelSize: Theme.subheadline
            }
            Text {
                objectName: "lastScan"
                visible: !bar.status.isScanning && text.length > 0
                text: bar.status.lastScanText
                color: Theme.secondary
                font.pixelSize: Theme.caption
            }
        }

        RowLayout {
            visible: unreadableLabel.text.length > 0
            Layout.fillWidth: true
            Layout.leftMargin: 21
            spacing: 8

            Text {
                id: unreadableLabel
                objectName: "unreadableMessage"
                text: bar.status.unreadableText
                color: Theme.primary
                font.pixelSize: Theme.subheadline
                Accessible.role: Accessible.StaticText
                Accessible.name: text
            }
            Button {
                objectName: "unreadableToggle"
                topPadding: 2
                bottomPadding: 2
                leftPadding: 8
                rightPadding: 8
                text: bar.showsUnreadable ? "Hide Folders" : "Show Folders"
                font.pixelSize: Theme.caption
                Accessible.name: text
                onClicked: bar.showsUnreadable = !bar.showsUnreadable
            }
            Item { Layout.fillWidth: true }
        }

        // Scrolls past a few lines: a locked-down disk can hold hundreds of such folders.
        ListView {
            objectName: "unreadableFolders"
            visible: bar.showsUnreadable
            Layout.fillWidth: true
            Layout.leftMargin: 21
            Layout.preferredHeight: visible ? Math.min(contentHeight, 120) : 0
            clip: true
            interactive: contentHeight > height
            model: bar.showsUnreadable ? bar.status.unreadableFolders : []
            ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }
            Accessible.role: Accessible.List
            Accessible.name: "Folders that could not be read"
            delegate: Text {
                required property string modelData
                width: ListView.view.width
                text: modelData
                elide: Text.ElideMiddle
                color: Theme.secondary
                font.pixelSize: Theme.caption
                Accessible.role: Accessible.StaticText
                Accessible.name: text
            }
        }
    }
}
