import QtQuick
import QtQuick.Layouts

// A row of the folder-access sheet: a symbol in a 22-point column, a path (or name) above an
// optional explanation, and the row's buttons at the trailing end.
RowLayout {
    id: row

    property string symbol
    property color symbolColor: Theme.secondary
    property string title
    property bool titleIsPath: true
    property string subtitle
    property int subtitleSize: Theme.caption
    default property alias trailing: trailingItems.data

    spacing: 12

    Item {
        Layout.preferredWidth: 22
        Layout.preferredHeight: 22
        Layout.alignment: Qt.AlignVCenter

        SymbolIcon {
            anchors.centerIn: parent
            symbol: row.symbol
            size: 17
            color: row.symbolColor
        }
    }

    ColumnLayout {
        Layout.fillWidth: true
        spacing: 3

        Text {
            objectName: "rowTitle"
            Layout.fillWidth: true
            text: row.title
            elide: row.titleIsPath ? Text.ElideMiddle : Text.ElideRight
            color: Theme.primary
            font.pixelSize: Theme.callout
            font.family: row.titleIsPath ? "Monospace" : Qt.application.font.family
        }
        Text {
            Layout.fillWidth: true
            visible: row.subtitle.length > 0
            text: row.subtitle
            wrapMode: Text.WordWrap
            color: Theme.secondary
            font.pixelSize: row.subtitleSize
        }
    }

    RowLayout {
        id: trailingItems
        spacing: 6
    }
}
