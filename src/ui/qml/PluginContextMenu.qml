import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import ZuzuzeVizozod

// What a card or one of its installs offers on a right click (or the menu key): show it in the
// file manager, copy its path, favourite the record, tag it. One per list, opened for the row.
Item {
    id: root

    property PluginRecord record
    property string path
    readonly property alias menu: menu
    readonly property alias tagPrompt: tagPrompt

    function openFor(record, path, parentItem, x, y) {
        root.record = record
        root.path = path
        menu.parent = parentItem
        menu.popup(parentItem, x, y)
    }

    Menu {
        id: menu
        objectName: "pluginContextMenu"

        MenuItem {
            objectName: "showInFileManager"
            text: "Show in File Manager"
            enabled: root.path.length > 0
            onTriggered: FileRevealer.reveal(root.path)
        }
        MenuItem {
            objectName: "copyPath"
            text: "Copy Path"
            enabled: root.path.length > 0
            onTriggered: ClipboardText.copyPath(root.path)
        }
        MenuSeparator {}
        MenuItem {
            objectName: "toggleFavorite"
            text: "Favorite"
            checkable: true
            checked: root.record !== null && root.record.isFavorite
            enabled: root.record !== null
            onTriggered: root.record.isFavorite = !root.record.isFavorite
        }
        MenuItem {
            objectName: "addTag"
            text: "Add Tag\u2026"
            enabled: root.record !== null
            onTriggered: {
                tagPrompt.parent = menu.parent
                tagPrompt.open()
            }
        }
    }

    Popup {
        id: tagPrompt
        objectName: "addTagPrompt"
        x: parent ? Math.max(0, (parent.width - width) / 2) : 0
        width: 260
        modal: true
        focus: true
        padding: 14
        onOpened: {
            tagText.text = ""
            tagText.forceActiveFocus()
        }

        background: Rectangle {
            radius: 10
            color: Theme.baseColor
            border.width: 1
            border.color: Theme.quaternary
        }

        contentItem: ColumnLayout {
            spacing: 10

            Label {
                text: root.record ? "Add a tag to " + root.record.name : ""
                color: Theme.primary
                elide: Text.ElideRight
                Layout.fillWidth: true
            }
            TextField {
                id: tagText
                objectName: "addTagField"
                Layout.fillWidth: true
                placeholderText: "Add tag\u2026"
                Accessible.name: "Tag name"
                onAccepted: addButton.clicked()
            }
            RowLayout {
                Layout.alignment: Qt.AlignRight
                Button {
                    text: "Cancel"
                    onClicked: tagPrompt.close()
                }
                Button {
                    id: addButton
                    objectName: "addTagConfirm"
                    text: "Add"
                    enabled: tagText.text.trim().length > 0
                    onClicked: {
                        if (root.record)
                            TagActions.addTag(root.record, tagText.text)
                        tagPrompt.close()
                    }
                }
            }
        }
    }
}
