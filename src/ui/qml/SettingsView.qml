import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import ZuzuzeVizozod

// The settings window: the appearance, written to the preferences at once; every window follows.
ThemedWindow {
    id: settings

    title: "Settings"
    width: 420
    height: content.implicitHeight + 40
    minimumWidth: 420
    maximumWidth: 420
    minimumHeight: height
    maximumHeight: height
    color: Theme.windowColor

    Pane {
        id: content
        anchors.fill: parent
        padding: 20
        background: null

        RowLayout {
            width: parent.width
            spacing: 12

            Label {
                text: "Appearance"
                font.pixelSize: Theme.body
            }
            Item {
                Layout.fillWidth: true
            }
            Row {
                objectName: "appearancePicker"
                spacing: 0

                Repeater {
                    model: [
                        { title: "Dark", value: "dark" },
                        { title: "Light", value: "light" },
                        { title: "Auto", value: "auto" }
                    ]

                    Button {
                        required property var modelData
                        required property int index
                        objectName: "appearance_" + modelData.value
                        text: modelData.title
                        checkable: true
                        checked: ZuzuzeVizozodApp.appearanceMode === modelData.value
                                 || (modelData.value === "auto" && ZuzuzeVizozodApp.appearanceMode !== "dark"
                                     && ZuzuzeVizozodApp.appearanceMode !== "light")
                        autoExclusive: false
                        // The chosen appearance stands out in the accent colour.
                        highlighted: checked
                        Accessible.name: "Appearance " + modelData.title
                        implicitWidth: 72
                        font.pixelSize: Theme.body
                        onClicked: ZuzuzeVizozodApp.appearanceMode = modelData.value
                    }
                }
            }
        }
    }
}
