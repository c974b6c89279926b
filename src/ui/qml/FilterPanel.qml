import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import ZuzuzeVizozod

// The "Filters" sheet. Every control writes the library's filter state at once, so the list
// behind the sheet follows; the sheet keeps nothing of its own and applies nothing on closing.
Dialog {
    id: panel

    property FilterState filterState
    // Every tag of the catalogue, sorted by name.
    property var tags: []

    function hasDate(value) {
        return value instanceof Date && !isNaN(value.getTime())
    }

    parent: Overlay.overlay
    anchors.centerIn: parent
    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape
    title: "Filters"
    width: Math.min(480, parent ? parent.width - 40 : 480)
    // A medium sheet that grows to a large one with the window.
    height: Math.min(form.implicitHeight + header.implicitHeight + 2, parent ? parent.height - 40 : 640)
    padding: 0
    topPadding: 0

    header: Rectangle {
        implicitHeight: 52
        color: "transparent"

        Rectangle {
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            height: 1
            color: Theme.faded(Theme.ink, 0.08)
        }

        Button {
            objectName: "resetButton"
            anchors.left: parent.left
            anchors.leftMargin: 14
            anchors.verticalCenter: parent.verticalCenter
            text: "Reset"
            flat: true
            enabled: panel.filterState !== null && panel.filterState.hasActiveFilters
            font.pixelSize: Theme.body
            // A flat button's text alone does not show that it is off.
            opacity: enabled ? 1.0 : 0.4
            onClicked: panel.filterState.reset()
        }
        Label {
            anchors.centerIn: parent
            text: panel.title
            color: Theme.primary
            font.pixelSize: Theme.headline
            font.weight: Font.DemiBold
        }
        ProminentButton {
            objectName: "doneButton"
            anchors.right: parent.right
            anchors.rightMargin: 14
            anchors.verticalCenter: parent.verticalCenter
            text: "Done"
            onClicked: panel.close()
        }
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

    contentItem: ScrollView {
        id: scroller
        clip: true
        contentWidth: availableWidth

        ColumnLayout {
            id: form
            x: 20
            width: scroller.availableWidth - 40
            spacing: 18

            Item {
                Layout.preferredHeight: 2
            }

            FormSection {
                Layout.fillWidth: true
                title: "Format"

                Repeater {
                    model: ["AU", "VST", "VST3", "AAX", "CLAP", "LV2", "LADSPA"]
                    FormSwitchRow {
                        required property string modelData
                        objectName: "format_" + modelData
                        text: modelData
                        checked: panel.filterState !== null && panel.filterState.selectedFormats.indexOf(modelData) >= 0
                        onToggled: (on) => panel.filterState.setFormatSelected(modelData, on)
                    }
                }
            }

            FormSection {
                Layout.fillWidth: true
                title: "Platform"

                Repeater {
                    model: ["macOS", "Linux", "Windows"]
                    FormSwitchRow {
                        required property string modelData
                        objectName: "platform_" + modelData
                        text: modelData
                        checked: panel.filterState !== null && panel.filterState.selectedPlatforms.indexOf(modelData) >= 0
                        onToggled: (on) => panel.filterState.setPlatformSelected(modelData, on)
                    }
                }
            }

            FormSection {
                Layout.fillWidth: true
                title: "Architecture"

                // Apple Silicon code runs everywhere; only the others are worth singling out.
                Repeater {
                    model: ["Intel 64", "Universal", "Unknown", "Intel 32", "ARM 64", "ARM 32", "ARM64EC"]
                    FormSwitchRow {
                        required property string modelData
                        objectName: "architecture_" + modelData
                        text: modelData
                        checked: panel.filterState !== null
                                 && panel.filterState.selectedArchitectures.indexOf(modelData) >= 0
                        onToggled: (on) => panel.filterState.setArchitectureSelected(modelData, on)
                    }
                }
            }

            FormSection {
                Layout.fillWidth: true

                FormSwitchRow {
                    objectName: "favoritesOnly"
                    text: "Favorites only"
                    checked: panel.filterState !== null && panel.filterState.favoritesOnly
                    onToggled: (on) => panel.filterState.favoritesOnly = on
                }
            }

            FormSection {
                objectName: "tagsSection"
                Layout.fillWidth: true
                visible: panel.tags.length > 0
                title: "Tags"

                Repeater {
                    model: panel.tags
                    FormSwitchRow {
                        required property Tag modelData
                        objectName: "tag_" + modelData.name
                        text: modelData.name
                        // Tags are chosen by name, like the filter matches them.
                        checked: panel.filterState !== null
                                 && panel.filterState.selectedTags.indexOf(modelData.name) >= 0
                        onToggled: (on) => panel.filterState.setTagSelected(modelData.name, on)
                    }
                }
            }

            FormSection {
                Layout.fillWidth: true
                title: "Install Date"

                FormRow {
                    text: "From"
                    DatePickerField {
                        objectName: "fromPicker"
                        date: panel.filterState ? FilterPanelDates.shownFrom(panel.filterState.installDateFrom)
                                                : new Date()
                        onChosen: (year, month, day) => panel.filterState.installDateFrom
                                  = FilterPanelDates.withDay(date, year, month, day)
                    }
                }
                FormSwitchRow {
                    objectName: "useStartDate"
                    text: "Use start date"
                    checked: panel.filterState !== null && panel.hasDate(panel.filterState.installDateFrom)
                    onToggled: (on) => panel.filterState.installDateFrom = on ? FilterPanelDates.startDefault()
                                                                              : FilterPanelDates.unset()
                }
                FormRow {
                    text: "To"
                    DatePickerField {
                        objectName: "toPicker"
                        date: panel.filterState ? FilterPanelDates.shownTo(panel.filterState.installDateTo)
                                                : new Date()
                        onChosen: (year, month, day) => panel.filterState.installDateTo
                                  = FilterPanelDates.withDay(date, year, month, day)
                    }
                }
                FormSwitchRow {
                    objectName: "useEndDate"
                    text: "Use end date"
                    checked: panel.filterState !== null && panel.hasDate(panel.filterState.installDateTo)
                    onToggled: (on) => panel.filterState.installDateTo = on ? FilterPanelDates.endDefault()
                                                                            : FilterPanelDates.unset()
                }
            }

            Item {
                Layout.preferredHeight: 6
            }
        }
    }
}
