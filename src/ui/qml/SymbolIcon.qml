import QtQuick

// A symbol of the shared vocabulary ("star.fill") drawn in one colour at a square size.
Image {
    id: icon

    property string symbol
    property color color: Theme.primary
    property real size: 16

    width: size
    height: size
    sourceSize.width: Math.ceil(size * Screen.devicePixelRatio)
    sourceSize.height: Math.ceil(size * Screen.devicePixelRatio)
    fillMode: Image.PreserveAspectFit
    smooth: true
    // "#aarrggbb" (or "#rrggbb") without its "#", which would start a URL fragment.
    source: symbol.length > 0 ? "image://symbol/" + symbol + "/" + String(color).substring(1) : ""
}
