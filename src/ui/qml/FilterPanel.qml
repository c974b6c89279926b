import QtQuick
import QtQuick.Controls
import ZuzuzeVizozod

// Stand-in for the filter sheet until it is written: a window-modal sheet that edits filterState
// live. The library view opens it and hears closed().
Dialog {
    id: panel

    property FilterState filterState
    // Every tag of the catalogue, sorted by name.
    property var tags: []

    parent: Overlay.overlay
    anchors.centerIn: parent
    modal: true
    title: "Filters"
    footer: DialogButtonBox {
        Button {
            text: "Done"
            DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
        }
    }

    Label {
        text: "Filters will be chosen here."
    }
}
