import QtQuick
import QtQuick.Layouts

// A row of the folder-access sheet: a symbol in a 22-point column, a path (or name) above an
// optional explanation, and the row's buttons at the trailing end.
// Anchored rather than a RowLayout: the sheet builds its rows before it is first shown, when it
// has no width yet and the wrapped explanation is many lines tall; a layout arranged in that pass
// kept its symbol and buttons at that height's centre once the row shrank, which stacked the
// rows' circles and buttons at the first launch.
Item {
    id: row

    property string symbol
    property color symbolColor: Theme.secondary
    property string title
    property bool titleIsPath: true
    property string subtitle
    property int subtitleSize: Theme.caption
    default property alias trailing: trailingItems.data

    implicitHeight: Math.max(22, texts.implicitHeight, trailingItems.implicitHeight)

    Item {
        objectName: "rowSymbol"
        width: 22
        height: 22
        anchors.left: parent.left
        anchors.verticalCenter: parent.verticalCenter

        SymbolIcon {
            anchors.centerIn: parent
            symbol: row.symbol
            size: 17
            color: row.symbolColor
        }
    }

    Column {
        id: texts
        anchors.left: parent.left
        anchors.leftMargin: 22 + 12
        anchors.right: trailingItems.left
        anchors.rightMargin: trailingItems.implicitWidth > 0 ? 12 : 0
        anchors.verticalCenter: parent.verticalCenter
        spacing: 3

        Text {
            objectName: "rowTitle"
            width: parent.width
            text: row.title
            elide: row.titleIsPath ? Text.ElideMiddle : Text.ElideRight
            color: Theme.primary
            font.pixelSize: Theme.callout
            font.family: row.titleIsPath ? "Monospace" : Qt.application.font.family
        }
        Text {
            width: parent.width
            visible: row.subtitle.length > 0
            text: row.subtitle
            wrapMode: Text.WordWrap
            color: Theme.secondary
            font.pixelSize: row.subtitleSize
        }
    }

    Row {
        id: trailingItems
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        spacing: 6
    }
}
