import QtQuick

// An install's architecture as a small tinted label; nothing for an unknown architecture.
Rectangle {
    id: badge

    // A raw value: "Apple Silicon", "Intel 64", "Universal" or "Unknown".
    property string architecture
    readonly property string label: architecture === "Apple Silicon" ? "Apple Silicon"
                                  : architecture === "Universal" ? "Universal"
                                  : architecture === "Intel 64" ? "Rosetta" : ""
    readonly property color tint: architecture === "Intel 64" ? Theme.orange : Theme.green

    visible: label.length > 0
    implicitWidth: visible ? text.implicitWidth + 12 : 0
    implicitHeight: text.implicitHeight + 4
    radius: 4
    color: Theme.faded(tint, 0.15)

    Text {
        id: text
        anchors.centerIn: parent
        text: badge.label
        color: badge.tint
        font.pixelSize: Theme.caption2
        font.weight: Font.DemiBold
    }
}
