import QtQuick
import QtQuick.Controls

// A borderless "minus.circle" button that withdraws the row it sits in.
ToolButton {
    icon.source: "image://symbol/minus.circle"
    icon.width: 16
    icon.height: 16
    icon.color: hovered ? Theme.primary : Theme.secondary
    padding: 4
    ToolTip.visible: hovered
    ToolTip.delay: 600
    ToolTip.text: "Remove"
}
