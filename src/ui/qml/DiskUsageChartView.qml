import QtQuick
import QtQuick.Controls

// A titled horizontal bar chart of byte counts: one bar per item in list order, its label on the
// leading side and its size at the bar's end. The bars take 36 points each, plus 20.
Rectangle {
    id: chart

    property string title
    // [{label, bytes, sizeText}]
    property var items: []
    readonly property real maxBytes: {
        let largest = 0
        for (let i = 0; i < items.length; ++i)
            largest = Math.max(largest, Number(items[i].bytes))
        return largest
    }
    readonly property alias bars: bars

    implicitHeight: column.implicitHeight + 32
    radius: 12
    color: Theme.quaternaryFill

    Column {
        id: column
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.margins: 16
        spacing: 10

        Text {
            text: chart.title
            color: Theme.primary
            font.pixelSize: Theme.headline
            font.weight: Font.DemiBold
        }

        Item {
            id: bars
            objectName: "bars"
            width: parent.width
            height: chart.items.length * 36 + 20

            readonly property real labelWidth: Math.min(230, Math.max(110, width * 0.3))
            // Room for the size text after the longest bar.
            readonly property real barSpace: Math.max(20, width - labelWidth - 12 - 76)

            Repeater {
                model: chart.items

                Item {
                    id: barRow

                    required property var modelData
                    required property int index

                    y: 10 + index * 36
                    width: bars.width
                    height: 36

                    Text {
                        objectName: "barLabel"
                        width: bars.labelWidth
                        anchors.verticalCenter: parent.verticalCenter
                        text: barRow.modelData.label
                        elide: Text.ElideRight
                        horizontalAlignment: Text.AlignRight
                        color: Theme.secondary
                        font.pixelSize: Theme.caption
                        Accessible.role: Accessible.StaticText
                        Accessible.name: text + ", " + barRow.modelData.sizeText

                        // A name its column cuts shows whole on hover.
                        HoverHandler {
                            id: labelHover
                        }
                        ToolTip.visible: truncated && labelHover.hovered
                        ToolTip.delay: 400
                        ToolTip.text: text
                    }
                    Rectangle {
                        id: bar
                        x: bars.labelWidth + 12
                        anchors.verticalCenter: parent.verticalCenter
                        width: chart.maxBytes > 0
                               ? Math.max(3, bars.barSpace * Number(barRow.modelData.bytes) / chart.maxBytes) : 3
                        height: 22
                        radius: 5
                        gradient: Gradient {
                            orientation: Gradient.Horizontal
                            GradientStop { position: 0.0; color: Qt.lighter(Theme.blue, Theme.dark ? 1.35 : 1.45) }
                            GradientStop { position: 1.0; color: Theme.blue }
                        }
                    }
                    Text {
                        objectName: "barSize"
                        x: bar.x + bar.width + 6
                        anchors.verticalCenter: parent.verticalCenter
                        text: barRow.modelData.sizeText
                        color: Theme.secondary
                        font.pixelSize: Theme.caption
                    }
                }
            }
        }
    }
}
