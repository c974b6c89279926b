import QtQuick
import QtQuick.Layouts

// A symbol, a title and a message, centred in all the space offered.
Item {
    id: emptyState

    property string icon
    property string title
    property string message

    ColumnLayout {
        anchors.centerIn: parent
        width: Math.min(parent.width - 48, 420)
        spacing: 12

        SymbolIcon {
            Layout.alignment: Qt.AlignHCenter
            symbol: emptyState.icon
            size: 48
            color: Theme.secondary
        }
        Text {
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            text: emptyState.title
            color: Theme.primary
            font.pixelSize: Theme.headline
            font.weight: Font.DemiBold
        }
        Text {
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: emptyState.message
            color: Theme.secondary
            font.pixelSize: Theme.subheadline
        }
    }
}
