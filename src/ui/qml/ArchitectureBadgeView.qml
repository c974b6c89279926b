import QtQuick

// An install's architecture as a small tinted label; nothing for an unknown architecture.
Rectangle {
    id: badge

    // A raw value: "Apple Silicon", "Intel 64", "Universal", "Unknown", "Intel 32", "ARM 64"...
    property string architecture
    // Rosetta exists only on a Mac: a Linux or Windows build shows its architecture as it is.
    property bool onMac: true
    readonly property bool translated: onMac && architecture === "Intel 64"
    readonly property string label: !onMac ? (architecture === "Unknown" ? "" : architecture)
                                  : architecture === "Apple Silicon" ? "Apple Silicon"
                                  : architecture === "Universal" ? "Universal"
                                  : translated ? "Rosetta" : ""
    readonly property color tint: translated ? Theme.orange : Theme.green

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
