import QtQuick
import QtQuick.Controls
import QtQuick.Dialogs
import QtQuick.Layouts
import ZuzuzeVizozod

// The folder-access sheet: the standard plug-in locations, other folders to scan, and the
// content-library roots. Every change is saved at once. "Done" emits complete() (the library then
// refreshes) and closes; any other way of closing only closes.
Dialog {
    id: sheet

    property CatalogStore catalogStore
    property PluginStore pluginStore
    readonly property alias controller: folderController

    signal complete()

    // Asks for one folder; `purpose` says what the choice is for. The desktop's own chooser where
    // it has one, else the in-window one.
    function chooseFolder(purpose, startPath, title, acceptLabel) {
        if (NativeDialogs.available) {
            chooser.purpose = purpose
            chooser.title = title
            chooser.acceptLabel = acceptLabel
            chooser.currentFolder = folderController.folderUrl(startPath)
            chooser.open()
        } else {
            windowChooser.purpose = purpose
            windowChooser.title = title
            windowChooser.acceptLabel = acceptLabel
            windowChooser.openAt(startPath)
        }
    }

    function folderChosen(purpose, url) {
        switch (purpose) {
        case "scan":
            folderController.addScanFolders([url])
            break
        case "content":
            folderController.addContentFolders([url])
            break
        case "suggested":
            folderController.addSuggestedRoot(url)
            break
        }
    }

    parent: Overlay.overlay
    anchors.centerIn: parent
    modal: true
    focus: true
    title: "Plugin Folder Access"
    width: Math.max(620, Math.min(720, parent ? parent.width - 40 : 620))
    height: Math.max(440, Math.min(600, parent ? parent.height - 40 : 600))
    padding: 0
    closePolicy: Popup.CloseOnEscape
    onAboutToShow: folderController.loadGrants()

    FolderAccessController {
        id: folderController
        store: sheet.catalogStore
        pluginStore: sheet.pluginStore
        onCompleted: sheet.complete()
    }

    Overlay.modal: Rectangle {
        color: Qt.rgba(0, 0, 0, Theme.dark ? 0.45 : 0.25)
    }

    background: Rectangle {
        radius: 12
        color: Theme.windowColor
        border.width: 1
        border.color: Theme.faded(Theme.ink, 0.12)
    }

    header: null

    contentItem: ColumnLayout {
        spacing: 0

        ScrollView {
            id: scroller
            Layout.fillWidth: true
            Layout.fillHeight: true
            contentWidth: availableWidth
            clip: true

            ColumnLayout {
                x: 24
                width: scroller.availableWidth - 48
                spacing: 20

                Item {
                    Layout.preferredHeight: 4
                }

                Text {
                    text: sheet.title
                    color: Theme.primary
                    font.pixelSize: 20
                    font.weight: Font.Bold
                }

                Text {
                    Layout.fillWidth: true
                    wrapMode: Text.WordWrap
                    text: "Zuzuze Vizozod needs read access to your plugin folders so it can discover installed "
                          + "audio plugins. You can also add custom folders or external drives; those are searched "
                          + "recursively for plugin bundles.\n\nIt reads file names and metadata only \u2014 it never "
                          + "modifies, moves, or deletes your plugins."
                    color: Theme.secondary
                    font.pixelSize: Theme.body
                }

                Rectangle {
                    Layout.fillWidth: true
                    Layout.preferredHeight: 1
                    color: Theme.faded(Theme.ink, 0.1)
                }

                // Standard locations: only those that exist on this system.
                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: 10

                    RowLayout {
                        Layout.fillWidth: true

                        Text {
                            Layout.fillWidth: true
                            text: "Standard Plugin Locations"
                            color: Theme.primary
                            font.pixelSize: Theme.headline
                            font.weight: Font.DemiBold
                        }
                        Button {
                            objectName: "grantAllButton"
                            visible: folderController.standardLocations.length > 0
                            enabled: folderController.standardLocations.some((location) => !location.granted)
                            text: "Grant All"
                            font.pixelSize: Theme.body
                            onClicked: folderController.grantAllStandardLocations()
                        }
                    }

                    Repeater {
                        model: folderController.standardLocations
                        FolderSheetRow {
                            required property var modelData
                            objectName: "standard_" + modelData.path
                            Layout.fillWidth: true
                            symbol: modelData.granted ? "checkmark.circle.fill" : "circle.dashed"
                            symbolColor: modelData.granted ? Theme.green : Theme.secondary
                            title: modelData.path
                            subtitle: modelData.explanation

                            Button {
                                objectName: "grantButton"
                                visible: !modelData.granted
                                text: "Grant"
                                font.pixelSize: Theme.body
                                onClicked: folderController.grantStandardLocation(modelData.path)
                            }
                            RemoveButton {
                                visible: modelData.granted
                                onClicked: folderController.removeGrant(modelData.path)
                            }
                        }
                    }
                }

                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: 10

                    RowLayout {
                        Layout.fillWidth: true

                        Text {
                            Layout.fillWidth: true
                            text: "Additional Plugin Scan Folders"
                            color: Theme.primary
                            font.pixelSize: Theme.headline
                            font.weight: Font.DemiBold
                        }
                        Button {
                            objectName: "addFolderButton"
                            text: "Add Folder"
                            icon.source: "image://symbol/plus"
                            icon.width: 12
                            icon.height: 12
                            icon.color: Theme.primary
                            font.pixelSize: Theme.body
                            onClicked: sheet.chooseFolder("scan", folderController.homePath,
                                                          "Choose any folder or external drive to scan recursively for audio plugin bundles",
                                                          "Add Scan Folder")
                        }
                    }

                    Text {
                        Layout.fillWidth: true
                        visible: folderController.additionalScanFolders.length === 0
                        wrapMode: Text.WordWrap
                        text: "Add a custom folder or external drive if plugin bundles live outside the standard locations."
                        color: Theme.secondary
                        font.pixelSize: Theme.caption
                    }

                    Repeater {
                        model: folderController.additionalScanFolders
                        FolderSheetRow {
                            required property string modelData
                            objectName: "additional_" + modelData
                            Layout.fillWidth: true
                            symbol: "folder"
                            title: modelData

                            RemoveButton {
                                onClicked: folderController.removeGrant(modelData)
                            }
                        }
                    }
                }

                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: 10

                    RowLayout {
                        Layout.fillWidth: true

                        Text {
                            Layout.fillWidth: true
                            text: "Content Library Folders"
                            color: Theme.primary
                            font.pixelSize: Theme.headline
                            font.weight: Font.DemiBold
                        }
                        Button {
                            objectName: "addContentFolderButton"
                            text: "Add Content Folder"
                            icon.source: "image://symbol/plus"
                            icon.width: 12
                            icon.height: 12
                            icon.color: Theme.primary
                            font.pixelSize: Theme.body
                            onClicked: sheet.chooseFolder("content", folderController.homePath,
                                                          "Choose sample/content folders or external drive roots to measure",
                                                          "Add Content Folder")
                        }
                    }

                    Text {
                        Layout.fillWidth: true
                        wrapMode: Text.WordWrap
                        text: "For installed sample libraries, the best roots are usually an external drive, /Users/Shared, "
                              + "and /Library/Application Support. The scan will break recognized folders out by "
                              + "publisher and library."
                        color: Theme.secondary
                        font.pixelSize: Theme.caption
                    }

                    ColumnLayout {
                        objectName: "suggestedRoots"
                        Layout.fillWidth: true
                        visible: folderController.suggestedRoots.length > 0
                        spacing: 8

                        Text {
                            text: "Suggested Content Locations"
                            color: Theme.secondary
                            font.pixelSize: Theme.caption
                            font.weight: Font.DemiBold
                        }

                        Repeater {
                            model: folderController.suggestedRoots
                            FolderSheetRow {
                                required property var modelData
                                Layout.fillWidth: true
                                symbol: "folder.badge.gearshape"
                                title: modelData.path
                                subtitle: modelData.label
                                subtitleSize: Theme.caption2

                                Button {
                                    text: "Add"
                                    font.pixelSize: Theme.body
                                    onClicked: sheet.chooseFolder("suggested", modelData.path,
                                                                  "Allow Zuzuze Vizozod to scan this content-library location",
                                                                  "Add Content Location")
                                }
                            }
                        }
                    }

                    Text {
                        Layout.fillWidth: true
                        visible: folderController.contentLibraries.length === 0
                        wrapMode: Text.WordWrap
                        text: "Add a sample/content folder or an external drive root. Zuzuze Vizozod will look inside "
                              + "for recognizable libraries and break them out separately from plugin bundles."
                        color: Theme.secondary
                        font.pixelSize: Theme.caption
                    }

                    Repeater {
                        model: folderController.contentLibraries
                        RowLayout {
                            required property var modelData
                            objectName: "content_" + modelData.path
                            Layout.fillWidth: true
                            spacing: 12

                            Item {
                                Layout.preferredWidth: 22
                                Layout.preferredHeight: 22

                                SymbolIcon {
                                    anchors.centerIn: parent
                                    symbol: modelData.missing ? "externaldrive.badge.xmark" : "externaldrive"
                                    size: 17
                                    color: modelData.missing ? Theme.orange : Theme.secondary
                                }
                            }
                            ColumnLayout {
                                Layout.fillWidth: true
                                spacing: 3

                                RowLayout {
                                    Layout.fillWidth: true
                                    spacing: 6

                                    Text {
                                        Layout.alignment: Qt.AlignBaseline
                                        text: modelData.name
                                        color: Theme.primary
                                        font.pixelSize: Theme.callout
                                        font.weight: Font.DemiBold
                                    }
                                    Text {
                                        Layout.alignment: Qt.AlignBaseline
                                        text: modelData.publisher
                                        color: Theme.secondary
                                        font.pixelSize: Theme.caption
                                    }
                                    Text {
                                        Layout.alignment: Qt.AlignBaseline
                                        Layout.fillWidth: true
                                        visible: modelData.sizeText.length > 0
                                        text: modelData.sizeText
                                        color: Theme.secondary
                                        font.pixelSize: Theme.caption
                                        font.weight: Font.DemiBold
                                    }
                                }
                                Text {
                                    Layout.fillWidth: true
                                    text: modelData.path
                                    elide: Text.ElideMiddle
                                    color: Theme.secondary
                                    font.pixelSize: Theme.caption
                                    font.family: "Monospace"
                                }
                            }
                            RemoveButton {
                                objectName: "removeContentFolder"
                                onClicked: folderController.removeContentFolder(modelData.path)
                            }
                        }
                    }
                }

                Item {
                    Layout.preferredHeight: 4
                }
            }
        }

        Rectangle {
            Layout.fillWidth: true
            Layout.preferredHeight: 1
            color: Theme.faded(Theme.ink, 0.1)
        }

        Item {
            Layout.fillWidth: true
            implicitHeight: doneButton.implicitHeight + 24

            ProminentButton {
                id: doneButton
                objectName: "doneButton"
                anchors.right: parent.right
                anchors.rightMargin: 24
                anchors.verticalCenter: parent.verticalCenter
                text: "Done"
                onClicked: {
                    folderController.finish(true)
                    sheet.close()
                }
            }
        }
    }

    FolderDialog {
        id: chooser

        property string purpose

        onAccepted: sheet.folderChosen(purpose, selectedFolder)
    }

    FolderChooser {
        id: windowChooser
        objectName: "folderChooser"

        property string purpose

        onAccepted: (path) => sheet.folderChosen(purpose, folderController.folderUrl(path))
    }
}
