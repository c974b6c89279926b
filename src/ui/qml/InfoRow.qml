import QtQuick
import QtQuick.Layouts

// "Label:" right-aligned in a narrow column, then the selectable value; an empty value shows a dash.
RowLayout {
    id: infoRow

    property string label
    property string value

    spacing: 4

    Text {
        Layout.preferredWidth: 60
        Layout.alignment: Qt.AlignTop
        horizontalAlignment: Text.AlignRight
        text: infoRow.label + ":"
        color: Theme.secondary
        font.pixelSize: Theme.caption2
    }
    TextEdit {
        Layout.fillWidth: true
        Layout.alignment: Qt.AlignTop
        readOnly: true
        selectByMouse: true
        wrapMode: TextEdit.WrapAnywhere
        text: infoRow.value.length > 0 ? infoRow.value : "\u2014"
        color: Theme.primary
        selectionColor: Theme.faded(Theme.accent, 0.35)
        selectedTextColor: Theme.primary
        font.pixelSize: Theme.caption2
    }
}
