import QtQuick

// A detail section's small heading: a symbol and a word.
Row {
    id: sectionLabel

    property string text
    property string symbol

    spacing: 5

    SymbolIcon {
        anchors.verticalCenter: parent.verticalCenter
        symbol: sectionLabel.symbol
        size: 12
        color: Theme.secondary
    }
    Text {
        anchors.verticalCenter: parent.verticalCenter
        text: sectionLabel.text
        color: Theme.secondary
        font.pixelSize: Theme.caption
        font.weight: Font.DemiBold
    }
}
