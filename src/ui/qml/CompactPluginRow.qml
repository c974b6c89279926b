import QtQuick
import QtQuick.Controls
import ZuzuzeVizozod

// One plug-in on one line of the compact list: name, publisher, formats, size and date in the
// columns of the header above the list. A double click opens it as a card.
Rectangle {
    id: compactRow

    property string name
    property string publisher
    property var formats: []
    property string totalSize
    property string dated
    property PluginRecord record
    property int publisherWidth: 120
    property int formatsWidth: 120
    property int sizeWidth: 70
    property int dateWidth: 82
    property bool hasKeyFocus: false
    readonly property bool isFavorite: record !== null && record.isFavorite

    signal activated()
    signal openRequested()
    signal menuRequested(Item item, real x, real y)

    implicitHeight: 30
    radius: 6
    color: hasKeyFocus ? Theme.faded(Theme.accent, Theme.dark ? 0.28 : 0.16)
                       : hover.hovered ? Theme.faded(Theme.ink, Theme.dark ? 0.06 : 0.04) : "transparent"
    border.width: hasKeyFocus ? 1 : 0
    border.color: Theme.focusRing

    HoverHandler {
        id: hover
    }
    TapHandler {
        onTapped: compactRow.activated()
        onDoubleTapped: compactRow.openRequested()
    }
    TapHandler {
        acceptedButtons: Qt.RightButton
        onTapped: (point) => compactRow.menuRequested(compactRow, point.position.x, point.position.y)
    }

    Row {
        anchors.fill: parent
        anchors.leftMargin: 8
        anchors.rightMargin: 8
        spacing: 8

        SymbolIcon {
            anchors.verticalCenter: parent.verticalCenter
            symbol: compactRow.isFavorite ? "star.fill" : "star"
            size: 12
            color: compactRow.isFavorite ? Theme.yellow : Theme.emptyStar
        }
        Text {
            objectName: "compactName"
            anchors.verticalCenter: parent.verticalCenter
            width: parent.width - 12 - compactRow.publisherWidth - compactRow.formatsWidth - compactRow.sizeWidth
                   - compactRow.dateWidth - 5 * parent.spacing
            text: compactRow.name
            elide: Text.ElideRight
            color: Theme.primary
            font.pixelSize: Theme.body
            font.weight: Font.DemiBold
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            width: compactRow.publisherWidth
            text: compactRow.publisher
            elide: Text.ElideRight
            color: Theme.secondary
            font.pixelSize: 12
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            width: compactRow.formatsWidth
            text: compactRow.formats.join(" \u00B7 ")
            elide: Text.ElideRight
            color: Theme.secondary
            font.pixelSize: Theme.caption
            font.weight: Font.DemiBold
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            width: compactRow.sizeWidth
            horizontalAlignment: Text.AlignRight
            text: compactRow.totalSize.length > 0 ? compactRow.totalSize : "\u2014"
            elide: Text.ElideRight
            color: Theme.secondary
            font.pixelSize: 12
        }
        Text {
            objectName: "compactDate"
            anchors.verticalCenter: parent.verticalCenter
            width: compactRow.dateWidth
            horizontalAlignment: Text.AlignRight
            text: compactRow.dated.length > 0 ? compactRow.dated : "No date"
            elide: Text.ElideRight
            color: Theme.tertiary
            font.pixelSize: 12
        }
    }
}
