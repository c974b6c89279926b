import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import ZuzuzeVizozod

// One plug-in group as a rounded card; clicking it opens the record's detail in place.
Item {
    id: card

    property string groupId
    property string name
    property string publisher
    property var formats: []
    property var architectures: []
    property string totalSize
    property string dated
    property PluginRecord record
    property bool possiblyOutdated
    property bool isExpanded
    readonly property bool isHovering: hover.hovered
    readonly property bool isFavorite: record !== null && record.isFavorite

    // The owner keeps the expansion (it outlives a recycled delegate).
    signal toggleRequested()

    implicitHeight: frame.height + 8

    Rectangle {
        id: frame
        y: 4
        width: card.width
        height: header.height + detailArea.height
        radius: 14
        color: Theme.faded(Theme.ink, Theme.dark ? (card.isExpanded ? 0.085 : card.isHovering ? 0.07 : 0.045)
                                                 : (card.isExpanded ? 0.055 : card.isHovering ? 0.04 : 0.025))
        border.width: 1
        border.color: Theme.faded(Theme.ink, Theme.dark ? (card.isExpanded ? 0.16 : 0.085)
                                                        : (card.isExpanded ? 0.11 : 0.065))

        HoverHandler {
            id: hover
        }

        Item {
            id: header
            width: parent.width
            height: headerRow.implicitHeight + 22

            RowLayout {
                id: headerRow
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.leftMargin: 14
                anchors.rightMargin: 14
                anchors.verticalCenter: parent.verticalCenter
                spacing: 12

                AbstractButton {
                    id: favoriteButton
                    objectName: "favoriteButton"
                    Layout.preferredWidth: 24
                    Layout.preferredHeight: 24
                    opacity: card.isFavorite || card.isHovering ? 1.0 : 0.55
                    hoverEnabled: true
                    onClicked: if (card.record) card.record.isFavorite = !card.record.isFavorite
                    contentItem: Item {
                        SymbolIcon {
                            anchors.centerIn: parent
                            symbol: card.isFavorite ? "star.fill" : "star"
                            size: 14
                            color: card.isFavorite ? Theme.yellow : Theme.faded(Theme.secondary, Theme.secondary.a * 0.55)
                        }
                    }
                    ToolTip.visible: hovered
                    ToolTip.delay: 600
                    ToolTip.text: card.isFavorite ? "Remove from favorites" : "Add to favorites"
                }

                AbstractButton {
                    id: mainButton
                    objectName: "cardMainButton"
                    Layout.fillWidth: true
                    hoverEnabled: true
                    onClicked: card.toggleRequested()

                    contentItem: RowLayout {
                        spacing: 14

                        ColumnLayout {
                            Layout.fillWidth: true
                            Layout.minimumWidth: 230
                            Layout.maximumWidth: 420
                            spacing: 4

                            // Plain bindings: a recycled card's new name must measure again.
                            Item {
                                Layout.fillWidth: true
                                implicitHeight: nameText.implicitHeight

                                Text {
                                    id: nameText
                                    width: Math.min(implicitWidth, parent.width
                                                    - (outdatedMarker.visible ? outdatedMarker.width + 6 : 0))
                                    text: card.name
                                    elide: Text.ElideRight
                                    color: Theme.primary
                                    font.pixelSize: 15
                                    font.weight: Font.DemiBold
                                }
                                SymbolIcon {
                                    id: outdatedMarker
                                    objectName: "outdatedMarker"
                                    anchors.left: nameText.right
                                    anchors.leftMargin: 6
                                    anchors.verticalCenter: nameText.verticalCenter
                                    visible: card.possiblyOutdated
                                    symbol: "exclamationmark.circle.fill"
                                    size: 12
                                    color: Theme.orange

                                    HoverHandler {
                                        id: outdatedHover
                                    }
                                    ToolTip.visible: outdatedHover.hovered
                                    ToolTip.delay: 400
                                    ToolTip.text: CardPresentation.outdatedTooltip(card.publisher)
                                }
                            }
                            Text {
                                objectName: "categoryLine"
                                Layout.fillWidth: true
                                text: CardPresentation.categoryText(card.name, card.publisher,
                                                                    card.record ? card.record.category : "")
                                      + " \u00B7 " + card.publisher
                                elide: Text.ElideRight
                                color: Theme.secondary
                                font.pixelSize: 12
                                font.weight: Font.Medium
                            }
                        }

                        Row {
                            id: formatColumn
                            objectName: "formatColumn"
                            // Grows past its column rather than hide the "+n" of a five-format group.
                            Layout.preferredWidth: Math.max(176, implicitWidth)
                            Layout.alignment: Qt.AlignVCenter
                            spacing: 5

                            Repeater {
                                model: CardPresentation.badgeFormats(card.formats)
                                FormatBadge {
                                    required property string modelData
                                    anchors.verticalCenter: parent ? parent.verticalCenter : undefined
                                    format: modelData
                                }
                            }
                            Rectangle {
                                readonly property string overflow: CardPresentation.overflowText(card.formats)
                                objectName: "formatOverflow"
                                visible: overflow.length > 0
                                anchors.verticalCenter: parent.verticalCenter
                                width: overflowText.implicitWidth + 12
                                height: overflowText.implicitHeight + 6
                                radius: height / 2
                                color: Theme.quaternaryFill

                                Text {
                                    id: overflowText
                                    anchors.centerIn: parent
                                    text: parent.overflow
                                    color: Theme.secondary
                                    font.pixelSize: 10
                                    font.weight: Font.Bold
                                }
                            }
                        }

                        Item {
                            Layout.preferredWidth: 96
                            Layout.preferredHeight: rosetta.implicitHeight

                            RuntimeBadge {
                                id: rosetta
                                objectName: "rosettaBadge"
                                visible: CardPresentation.showsRosetta(card.architectures)
                                title: "Rosetta"
                                systemImage: "cpu"
                            }
                            RuntimeBadge {
                                objectName: "windowsBadge"
                                visible: !rosetta.visible && CardPresentation.hasWindowsInstall(card.record)
                                title: "Windows"
                                systemImage: "cpu"
                            }
                        }

                        Column {
                            Layout.preferredWidth: 92
                            spacing: 2

                            Text {
                                width: parent.width
                                horizontalAlignment: Text.AlignRight
                                text: card.totalSize.length > 0 ? card.totalSize : "\u2014"
                                color: Theme.secondary
                                font.pixelSize: 12
                                font.weight: Font.DemiBold
                            }
                            Text {
                                width: parent.width
                                horizontalAlignment: Text.AlignRight
                                text: card.dated.length > 0 ? card.dated : "No date"
                                color: Theme.tertiary
                                font.pixelSize: 12
                                font.weight: Font.Medium
                            }
                        }

                        Item {
                            Layout.preferredWidth: 18
                            Layout.preferredHeight: 18

                            SymbolIcon {
                                objectName: "chevron"
                                anchors.centerIn: parent
                                symbol: "chevron.right"
                                size: 12
                                color: Theme.tertiary
                                rotation: card.isExpanded ? 90 : 0
                                Behavior on rotation {
                                    NumberAnimation { duration: 200; easing.type: Easing.InOutQuad }
                                }
                            }
                        }
                    }
                }
            }
        }

        Item {
            id: detailArea
            anchors.top: header.bottom
            width: parent.width
            height: card.isExpanded && detailLoader.item ? detailLoader.item.implicitHeight + 1 + 28 : 0
            clip: true
            Behavior on height {
                NumberAnimation { duration: 200; easing.type: Easing.InOutQuad }
            }

            Loader {
                id: detailLoader
                width: parent.width
                // Kept while the card closes, then dropped with any tag text not added.
                active: card.isExpanded || detailArea.height > 0

                sourceComponent: Item {
                    implicitHeight: detailView.implicitHeight

                    Rectangle {
                        x: 48
                        width: parent.width - 48
                        height: 1
                        color: Theme.quaternary
                        opacity: 0.7
                    }
                    PluginCardDetailView {
                        id: detailView
                        objectName: "detailView"
                        x: 16
                        y: 1 + 14
                        width: parent.width - 32
                        group: card.record
                    }
                }
            }
        }
    }
}
