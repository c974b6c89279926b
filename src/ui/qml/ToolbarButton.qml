import QtQuick
import QtQuick.Controls

// A flat toolbar button with a symbol and a short label.
ToolButton {
    id: button

    property string symbol

    icon.source: symbol.length > 0 ? "image://symbol/" + symbol : ""
    icon.width: 16
    icon.height: 16
    icon.color: enabled ? Theme.primary : Theme.tertiary
    display: AbstractButton.TextBesideIcon
    font.pixelSize: Theme.body
    palette.buttonText: Theme.primary
}
