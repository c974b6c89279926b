import QtQuick

// A small title above its value; an empty value shows a dash.
Column {
    id: metadata

    property string title
    property string value

    spacing: 2

    Text {
        text: metadata.title
        color: Theme.tertiary
        font.pixelSize: Theme.caption2
    }
    Text {
        text: metadata.value.length > 0 ? metadata.value : "\u2014"
        color: Theme.primary
        font.pixelSize: Theme.callout
    }
}
