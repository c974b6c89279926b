import QtQuick
import QtQuick.Controls

// A flat toolbar button with a symbol and a short label.
ToolButton {
    id: button

    property string symbol
    // The label then lives on in the tooltip and the accessible name.
    property bool iconOnly: false

    icon.source: symbol.length > 0 ? "image://symbol/" + symbol : ""
    icon.width: 16
    icon.height: 16
    icon.color: enabled ? Theme.primary : Theme.tertiary
    display: iconOnly ? AbstractButton.IconOnly : AbstractButton.TextBesideIcon
    Accessible.name: text
    Accessible.onPressAction: button.clicked()
    ToolTip.visible: iconOnly && hovered
    ToolTip.delay: 600
    ToolTip.text: text
    font.pixelSize: Theme.body
    palette.buttonText: Theme.primary
}
