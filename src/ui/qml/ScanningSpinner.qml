import QtQuick
import ZuzuzeVizozod

// Turns while a refresh runs, in eight steps a second. A continuous animation redraws the whole
// window at the display's rate, and drawn in software that takes the cores the scan needs.
SymbolIcon {
    id: spinner

    property bool running: false

    symbol: "arrow.triangle.2.circlepath"
    color: Theme.secondary

    Timer {
        interval: 125
        repeat: true
        running: spinner.running && spinner.visible
        onTriggered: spinner.rotation = (spinner.rotation + 45) % 360
    }
}
