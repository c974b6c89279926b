import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Qt.labs.folderlistmodel
import ZuzuzeVizozod

// The in-window chooser, for desktops that offer no chooser of their own: of a folder, or with
// `saving` of a file to write. Nothing is selected when a folder opens, and accepting then chooses
// the folder the user is in: a sub-folder is chosen only when the user picked it. Saving writes the
// typed name in the folder shown; a click on a file takes its name. Double-click enters a folder.
// Its colours are the window's own, so it reads in both appearances.
Popup {
    id: chooser

    property string title
    property string acceptLabel: "Choose"
    property bool saving: false
    // Saving: the file's name, and the name filters ("Comma-separated text (*.csv)") whose
    // patterns list the files beside the folders.
    property string fileName
    property var nameFilters: []
    // Absolute path of the folder shown.
    property string folder
    readonly property string selectedPath: list.currentIndex >= 0 && list.currentItem ? list.currentItem.path : ""
    readonly property string chosenPath: saving ? (folder === "/" ? "" : folder) + "/" + fileName
                                                : selectedPath.length > 0 ? selectedPath : folder
    readonly property bool canAccept: !saving || (fileName.length > 0 && fileName.indexOf("/") < 0
                                                  && fileName !== "." && fileName !== "..")
    // Saving over a file asks first: accepting once more replaces it.
    readonly property bool fileExists: saving && canAccept && existing.object !== null && existing.object.count > 0
    property bool replacing: false
    onFileNameChanged: replacing = false
    onFolderChanged: replacing = false
    readonly property var patterns: {
        const result = []
        for (const filter of nameFilters) {
            const found = /\(([^)]*)\)/.exec(filter)
            if (found)
                result.push(...found[1].split(" ").filter((pattern) => pattern.length > 0))
        }
        return result
    }

    signal accepted(string path)
    signal rejected()

    function openAt(path) {
        folder = path
        list.currentIndex = -1
        open()
    }

    // Saving, from a suggested file's url: its folder, with its name in the field.
    function openToSave(url) {
        const path = decodeURIComponent(String(url).replace(/^file:\/\//, ""))
        const slash = path.lastIndexOf("/")
        fileName = path.substring(slash + 1)
        openAt(slash > 0 ? path.substring(0, slash) : "/")
        nameField.forceActiveFocus()
        const dot = fileName.lastIndexOf(".")
        nameField.select(0, dot > 0 ? dot : fileName.length)
    }

    function urlOf(path) {
        return "file://" + path.split("/").map(encodeURIComponent).join("/")
    }

    function openFolder(path) {
        folder = path
        list.currentIndex = -1
    }

    function accept() {
        if (!canAccept)
            return
        if (fileExists && !replacing) {
            replacing = true
            return
        }
        const path = chosenPath
        close()
        accepted(path)
    }

    function reject() {
        close()
        rejected()
    }

    // The path's folders from the root down: [{name, path}].
    readonly property var crumbs: {
        const parts = folder.split("/").filter((part) => part.length > 0)
        const result = [{ name: "/", path: "/" }]
        let current = ""
        for (const part of parts) {
            current += "/" + part
            result.push({ name: part, path: current })
        }
        return result
    }

    parent: Overlay.overlay
    anchors.centerIn: parent
    // Above the sheet that asks for it.
    z: 10
    width: Math.min(560, parent ? parent.width - 40 : 560)
    height: Math.min(420, parent ? parent.height - 40 : 420)
    modal: true
    focus: true
    padding: 16
    closePolicy: Popup.CloseOnEscape
    onClosed: {
        list.currentIndex = -1
        replacing = false
    }

    Overlay.modal: Rectangle {
        color: Qt.rgba(0, 0, 0, Theme.dark ? 0.45 : 0.25)
    }

    background: Rectangle {
        radius: 12
        color: Theme.windowColor
        border.width: 1
        border.color: Theme.faded(Theme.ink, 0.16)
    }

    Instantiator {
        id: folders
        active: chooser.visible && chooser.folder.length > 0
        delegate: FolderListModel {
            folder: chooser.urlOf(chooser.folder)
            showFiles: chooser.saving
            nameFilters: chooser.patterns
            showDotAndDotDot: false
            showHidden: false
            sortCaseSensitive: false
        }
    }

    // The file of the typed name, where it exists; wildcards in the name match only themselves.
    Instantiator {
        id: existing
        active: chooser.visible && chooser.saving && chooser.canAccept
        delegate: FolderListModel {
            folder: chooser.urlOf(chooser.folder)
            nameFilters: [chooser.fileName.replace(/[[*?]/g, (c) => "[" + c + "]")]
            showDirs: false
            showHidden: true
            showDotAndDotDot: false
        }
    }

    contentItem: ColumnLayout {
        spacing: 10

        Text {
            Layout.fillWidth: true
            text: chooser.title
            wrapMode: Text.WordWrap
            color: Theme.primary
            font.pixelSize: Theme.headline
            font.weight: Font.DemiBold
        }

        // The path bar: every folder on the way is a button that opens it.
        ListView {
            id: pathBar
            objectName: "chooserPathBar"
            Layout.fillWidth: true
            Layout.preferredHeight: 26
            orientation: ListView.Horizontal
            clip: true
            spacing: 2
            model: chooser.crumbs
            onCountChanged: positionViewAtEnd()
            delegate: Button {
                id: crumb
                required property var modelData
                required property int index
                readonly property bool current: index === pathBar.count - 1
                height: 26
                implicitWidth: contentItem.implicitWidth + 16
                text: index > 0 ? "\u203a  " + modelData.name : modelData.name
                font.pixelSize: Theme.subheadline
                font.weight: current ? Font.DemiBold : Font.Normal
                contentItem: Text {
                    text: crumb.text
                    font: crumb.font
                    color: Theme.primary
                    verticalAlignment: Text.AlignVCenter
                }
                background: Rectangle {
                    radius: 5
                    color: crumb.current || crumb.down ? Theme.buttonColor
                                                       : crumb.hovered ? Theme.quaternaryFill : "transparent"
                    border.width: crumb.current || crumb.visualFocus ? 1 : 0
                    border.color: crumb.visualFocus ? Theme.focusRing : Theme.quaternary
                }
                onClicked: chooser.openFolder(modelData.path)
            }
        }

        Rectangle {
            Layout.fillWidth: true
            Layout.fillHeight: true
            radius: 6
            color: Theme.baseColor
            border.width: 1
            border.color: Theme.faded(Theme.ink, 0.12)

            ListView {
                id: list
                objectName: "chooserList"
                anchors.fill: parent
                anchors.margins: 1
                clip: true
                currentIndex: -1
                keyNavigationEnabled: true
                boundsBehavior: Flickable.StopAtBounds
                ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }
                // Listed only while the chooser is open.
                model: folders.object
                // Only the user's own click or key moves the selection off "nothing".
                Component.onCompleted: currentIndex = -1
                onCountChanged: if (!activeFocus) currentIndex = -1

                delegate: Rectangle {
                    id: row

                    required property int index
                    required property string fileName
                    required property string filePath
                    required property bool fileIsDir
                    readonly property string path: filePath
                    readonly property bool selected: ListView.isCurrentItem

                    objectName: "chooserRow_" + fileName
                    width: ListView.view.width
                    height: 28
                    color: selected ? Theme.selection : "transparent"

                    RowLayout {
                        anchors.fill: parent
                        anchors.leftMargin: 10
                        anchors.rightMargin: 10
                        spacing: 8

                        SymbolIcon {
                            symbol: row.fileIsDir ? "folder" : "note.text"
                            size: 14
                            color: row.selected ? "#ffffff" : Theme.secondary
                        }
                        Text {
                            objectName: "chooserRowName"
                            Layout.fillWidth: true
                            text: row.fileName
                            elide: Text.ElideMiddle
                            color: row.selected ? "#ffffff" : Theme.primary
                            font.pixelSize: Theme.body
                        }
                    }

                    MouseArea {
                        anchors.fill: parent
                        onClicked: {
                            list.forceActiveFocus()
                            // A second click on the selected folder takes the selection back.
                            list.currentIndex = row.selected ? -1 : row.index
                            if (!row.fileIsDir)
                                chooser.fileName = row.fileName
                        }
                        onDoubleClicked: {
                            if (row.fileIsDir)
                                chooser.openFolder(row.path)
                            else
                                chooser.accept()
                        }
                    }
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true
            visible: chooser.saving
            spacing: 8

            Label {
                text: "Save as:"
                color: Theme.primary
                font.pixelSize: Theme.body
            }
            TextField {
                id: nameField
                objectName: "chooserFileName"
                Layout.fillWidth: true
                text: chooser.fileName
                font.pixelSize: Theme.body
                selectByMouse: true
                Accessible.name: "File name"
                onTextEdited: chooser.fileName = text
                onAccepted: chooser.accept()
            }
        }

        Text {
            objectName: "chooserChoice"
            Layout.fillWidth: true
            text: chooser.replacing ? "\u201c" + chooser.fileName + "\u201d already exists: save again to replace it."
                                    : (chooser.saving ? "Saves " : "Chooses ") + chooser.chosenPath
            elide: Text.ElideMiddle
            color: chooser.replacing ? Theme.primary : Theme.secondary
            font.pixelSize: Theme.caption
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 8

            Item {
                Layout.fillWidth: true
            }
            Button {
                objectName: "chooserCancel"
                text: "Cancel"
                font.pixelSize: Theme.body
                onClicked: chooser.reject()
            }
            ProminentButton {
                objectName: "chooserAccept"
                text: chooser.replacing ? "Replace" : chooser.acceptLabel
                enabled: chooser.canAccept
                onClicked: chooser.accept()
            }
        }
    }
}
