import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import ZuzuzeVizozod

// A record's description, facts, installs on disk, notes and tags. Every edit goes straight to
// the record; the catalogue saves it on its own.
ColumnLayout {
    id: detail

    // The record (named as the card names it).
    property PluginRecord group
    property string newTagText: ""
    readonly property bool isTagFieldFocused: tagField.activeFocus
    readonly property string aboutText: group ? CardPresentation.aboutText(group.name, group.publisher,
                                                                           group.bundleDescription) : ""
    readonly property var installs: {
        if (!group)
            return []
        // Read for the dependency: installs joining, leaving or changing status.
        void group.installs
        void group.totalSizeText
        return CardPresentation.groupInstalls(group)
    }
    readonly property var tagNames: {
        if (!group)
            return []
        void group.tags
        return CardPresentation.sortedTagNames(group)
    }

    // A right click on an install: the owner opens the shared menu for that install's path.
    signal installMenuRequested(string path, Item item, real x, real y)

    function addTag() {
        TagActions.addTag(group, newTagText)
        newTagText = ""
    }

    spacing: 14

    ColumnLayout {
        objectName: "aboutSection"
        visible: detail.aboutText.length > 0
        Layout.fillWidth: true
        spacing: 6

        SectionLabel {
            text: "About"
            symbol: "info.circle"
        }
        TextEdit {
            Layout.fillWidth: true
            readOnly: true
            selectByMouse: true
            wrapMode: TextEdit.Wrap
            text: detail.aboutText
            color: Theme.primary
            selectionColor: Theme.faded(Theme.accent, 0.35)
            selectedTextColor: Theme.primary
            font.pixelSize: Theme.callout
        }
    }
    Rectangle {
        visible: detail.aboutText.length > 0
        Layout.fillWidth: true
        Layout.preferredHeight: 1
        color: Theme.quaternary
    }

    GridLayout {
        columns: 2
        columnSpacing: 24
        rowSpacing: 8

        MetadataLabel { title: "Publisher"; value: detail.group ? detail.group.publisher : "" }
        MetadataLabel { title: "Version"; value: detail.group ? detail.group.displayVersion : "" }
        MetadataLabel { title: "Updated"; value: detail.group ? detail.group.lastModifiedText : "" }
        MetadataLabel { title: "Size"; value: detail.group ? detail.group.totalSizeText : "" }
    }

    ColumnLayout {
        Layout.fillWidth: true
        spacing: 6

        SectionLabel {
            text: "Installed Formats"
            symbol: "puzzlepiece.extension"
        }
        Repeater {
            objectName: "installRepeater"
            model: detail.installs

            // Under its record's heading when the card gathers several records.
            ColumnLayout {
                id: installEntry
                required property var modelData
                Layout.fillWidth: true
                spacing: 6

                Text {
                    objectName: "recordHeading"
                    visible: installEntry.modelData.heading.length > 0
                    Layout.fillWidth: true
                    Layout.topMargin: 4
                    text: installEntry.modelData.heading
                    elide: Text.ElideRight
                    color: Theme.primary
                    font.pixelSize: Theme.subheadline
                    font.weight: Font.DemiBold
                }

                Rectangle {
                    id: installBox
                    readonly property var modelData: installEntry.modelData
                    Layout.fillWidth: true
                    implicitHeight: installColumn.implicitHeight + 16
                    radius: 8
                    color: Theme.faded(Theme.ink, Theme.dark ? 0.04 : 0.03)
                    Accessible.role: Accessible.Grouping
                    Accessible.name: installBox.modelData.format + " install"
                    Accessible.description: installBox.modelData.filePath

                    TapHandler {
                        acceptedButtons: Qt.RightButton
                        onTapped: (point) => detail.installMenuRequested(installBox.modelData.filePath, installBox,
                                                                         point.position.x, point.position.y)
                    }

                    ColumnLayout {
                        id: installColumn
                        x: 8
                        y: 8
                        width: parent.width - 16
                        spacing: 4

                        RowLayout {
                            spacing: 6
                            Layout.fillWidth: true

                            FormatPillView {
                                format: installBox.modelData.format
                                isNotFound: installBox.modelData.notFound
                            }
                            ArchitectureBadgeView {
                                architecture: installBox.modelData.architecture
                                onMac: installBox.modelData.isMac
                            }
                            Rectangle {
                                visible: installBox.modelData.notFound
                                implicitWidth: notFoundText.implicitWidth + 12
                                implicitHeight: notFoundText.implicitHeight + 4
                                radius: height / 2
                                color: Theme.faded(Theme.red, 0.1)

                                Text {
                                    id: notFoundText
                                    anchors.centerIn: parent
                                    text: "Not Found"
                                    color: Theme.red
                                    font.pixelSize: Theme.caption2
                                }
                            }
                            Item {
                                Layout.fillWidth: true
                            }
                            Text {
                                text: installBox.modelData.sizeText
                                color: Theme.secondary
                                font.pixelSize: Theme.caption2
                            }
                        }
                        ColumnLayout {
                            Layout.fillWidth: true
                            Layout.leftMargin: 8
                            spacing: 2

                            InfoRow { Layout.fillWidth: true; label: "Platform"; value: installBox.modelData.platform }
                            InfoRow { Layout.fillWidth: true; label: "Path"; value: installBox.modelData.filePath }
                            InfoRow { Layout.fillWidth: true; label: "Bundle ID"; value: installBox.modelData.bundleID }
                            InfoRow { Layout.fillWidth: true; label: "Version"; value: installBox.modelData.version }
                            InfoRow { Layout.fillWidth: true; label: "Installed"; value: installBox.modelData.installed }
                            InfoRow { Layout.fillWidth: true; label: "Modified"; value: installBox.modelData.modified }
                        }
                    }
                }
            }
        }
    }

    ColumnLayout {
        Layout.fillWidth: true
        spacing: 6

        SectionLabel {
            text: "Notes"
            symbol: "note.text"
        }
        Rectangle {
            Layout.fillWidth: true
            Layout.preferredHeight: Math.max(60, Math.min(100, notesEditor.contentHeight + 12))
            radius: 6
            color: Theme.faded(Theme.textBackground, 0.5)
            border.width: 1
            border.color: Theme.quaternary
            clip: true

            Flickable {
                id: notesScroll
                anchors.fill: parent
                anchors.margins: 6
                contentWidth: width
                contentHeight: notesEditor.height
                clip: true
                boundsBehavior: Flickable.StopAtBounds
                ScrollBar.vertical: ScrollBar {}

                TextEdit {
                    id: notesEditor
                    objectName: "notesEditor"
                    width: notesScroll.width
                    // The whole box takes the click, not only the lines written so far.
                    height: Math.max(contentHeight, notesScroll.height)
                    wrapMode: TextEdit.Wrap
                    activeFocusOnTab: true
                    Accessible.role: Accessible.EditableText
                    Accessible.name: "Notes"
                    selectByMouse: true
                    text: detail.group ? detail.group.notes : ""
                    color: Theme.primary
                    selectionColor: Theme.faded(Theme.accent, 0.35)
                    selectedTextColor: Theme.primary
                    font.pixelSize: Theme.callout
                    onTextChanged: {
                        if (detail.group && detail.group.notes !== text)
                            detail.group.notes = text
                    }
                    onCursorRectangleChanged: {
                        if (cursorRectangle.y < notesScroll.contentY)
                            notesScroll.contentY = cursorRectangle.y
                        else if (cursorRectangle.y + cursorRectangle.height > notesScroll.contentY + notesScroll.height)
                            notesScroll.contentY = cursorRectangle.y + cursorRectangle.height - notesScroll.height
                    }
                }
            }
        }
    }

    ColumnLayout {
        Layout.fillWidth: true
        spacing: 6

        SectionLabel {
            text: "Tags"
            symbol: "tag"
        }
        FlowLayout {
            id: tagFlow
            objectName: "tagFlow"
            Layout.fillWidth: true
            Layout.preferredHeight: implicitHeight
            spacing: 6

            Repeater {
                model: detail.tagNames
                TagChipView {
                    required property string modelData
                    name: modelData
                    onRemove: TagActions.removeTag(detail.group, modelData)
                }
            }

            Rectangle {
                implicitWidth: tagEntry.implicitWidth + 16
                implicitHeight: tagEntry.implicitHeight + 8
                width: implicitWidth
                height: implicitHeight
                radius: height / 2
                color: Theme.quaternaryFill

                Row {
                    id: tagEntry
                    anchors.centerIn: parent
                    spacing: 4

                    TextField {
                        id: tagField
                        objectName: "tagField"
                        anchors.verticalCenter: parent.verticalCenter
                        width: Math.max(60, Math.min(120, contentWidth + leftPadding + rightPadding + 2))
                        padding: 0
                        background: null
                        placeholderText: "Add tag\u2026"
                        Accessible.name: "Add tag"
                        placeholderTextColor: Theme.tertiary
                        color: Theme.primary
                        font.pixelSize: Theme.caption
                        text: detail.newTagText
                        onTextEdited: detail.newTagText = text
                        onAccepted: detail.addTag()
                    }
                    AbstractButton {
                        id: returnButton
                        objectName: "addTagButton"
                        anchors.verticalCenter: parent.verticalCenter
                        visible: detail.newTagText.length > 0
                        implicitWidth: 14
                        implicitHeight: 14
                        onClicked: detail.addTag()
                        contentItem: SymbolIcon {
                            symbol: "return"
                            size: 11
                            color: Theme.secondary
                        }
                    }
                }
            }
        }
    }
}
