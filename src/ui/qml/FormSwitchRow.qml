import QtQuick
import QtQuick.Controls

// A form row holding one switch. The owner binds `checked` to its state and writes the state
// in onToggled; tapping the label counts as tapping the switch.
FormRow {
    id: row

    property bool checked
    readonly property alias control: toggle

    signal toggled(bool on)

    onLabelTapped: row.toggled(!row.checked)

    Switch {
        id: toggle
        checked: row.checked
        padding: 0
        onToggled: row.toggled(checked)

        indicator: Rectangle {
            implicitWidth: 38
            implicitHeight: 22
            radius: height / 2
            color: toggle.checked ? Theme.accent : Theme.faded(Theme.ink, Theme.dark ? 0.2 : 0.14)
            opacity: toggle.enabled ? 1 : 0.5

            Rectangle {
                x: toggle.checked ? parent.width - width - 2 : 2
                anchors.verticalCenter: parent.verticalCenter
                width: 18
                height: 18
                radius: 9
                color: "#ffffff"
                border.width: toggle.visualFocus ? 2 : 0
                border.color: Theme.faded(Theme.accent, 0.6)

                Behavior on x {
                    NumberAnimation { duration: 120; easing.type: Easing.InOutQuad }
                }
            }
        }
    }
}
