import QtQuick
import QtQuick.Controls
import ZuzuzeVizozod

// The compact list's column titles; a click sorts the sections by that column, a second click
// turns the direction.
Rectangle {
    id: header

    required property FilterState filterState
    required property ListView list

    implicitHeight: 26
    color: "transparent"

    function sortBy(key) {
        if (filterState.sortKey === key)
            filterState.sortAscending = !filterState.sortAscending
        else {
            filterState.sortKey = key
            filterState.sortAscending = true
        }
    }

    component ColumnTitle: AbstractButton {
        id: title
        property string key
        property int alignment: Text.AlignLeft
        readonly property bool sorted: header.filterState.sortKey === key
        objectName: "column" + key.replace(" ", "")
        height: header.height
        focusPolicy: Qt.TabFocus
        Accessible.name: text + (sorted ? (header.filterState.sortAscending ? ", sorted ascending" : ", sorted descending") : "")
        onClicked: header.sortBy(key)
        contentItem: Text {
            text: title.text + (title.sorted ? (header.filterState.sortAscending ? " \u25B4" : " \u25BE") : "")
            horizontalAlignment: title.alignment
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
            color: title.sorted ? Theme.primary : Theme.secondary
            font.pixelSize: Theme.caption
            font.weight: Font.DemiBold
        }
        background: Rectangle {
            color: title.visualFocus ? Theme.faded(Theme.accent, 0.2) : "transparent"
            radius: 4
        }
    }

    Row {
        anchors.fill: parent
        anchors.leftMargin: 16 + 8 + 12 + 8
        anchors.rightMargin: 16 + 8
        spacing: 8

        ColumnTitle {
            key: "Name"
            text: "Name"
            width: parent.width - header.list.publisherWidth - header.list.formatsWidth - header.list.sizeWidth
                   - header.list.dateWidth - 4 * parent.spacing
        }
        ColumnTitle { key: "Publisher"; text: "Publisher"; width: header.list.publisherWidth }
        Text {
            width: header.list.formatsWidth
            height: header.height
            verticalAlignment: Text.AlignVCenter
            text: "Formats"
            color: Theme.secondary
            font.pixelSize: Theme.caption
            font.weight: Font.DemiBold
        }
        ColumnTitle { key: "Size"; text: "Size"; width: header.list.sizeWidth; alignment: Text.AlignRight }
        ColumnTitle { key: "Modification Date"; text: "Modified"; width: header.list.dateWidth; alignment: Text.AlignRight }
    }

    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: Theme.faded(Theme.ink, 0.08)
    }
}
