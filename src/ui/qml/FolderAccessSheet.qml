import QtQuick
import QtQuick.Controls
import ZuzuzeVizozod

// Stand-in for the folder-access sheet until it is written: a window-modal sheet over the
// catalogue's grants. "Done" emits complete() (the library then refreshes) and closes; any other
// way of closing only closes.
Dialog {
    id: sheet

    property CatalogStore catalogStore
    property PluginStore pluginStore

    signal complete()

    parent: Overlay.overlay
    anchors.centerIn: parent
    modal: true
    title: "Plugin Folder Access"
    footer: DialogButtonBox {
        Button {
            text: "Done"
            DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
        }
    }
    onAccepted: complete()

    Label {
        text: "Folders to scan will be granted here."
    }
}
