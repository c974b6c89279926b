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
    // Below this width the runtime badge keeps only its symbol and the format column narrows,
    // so that the name, size, date and chevron still fit at the window's minimum size.
    readonly property bool narrow: width < 600
    // Wide enough for four badges and a "+n" in this font.
    readonly property int formatColumnWidth: narrow ? 118 : 214

    // Drawn as the keyboard's current card.
    property bool hasKeyFocus: false

    // The owner keeps the expansion (it outlives a recycled delegate).
    signal toggleRequested()
    signal installMenuRequested(string path, Item item, real x, real y)
    // A right click on the card's own row (not on an install of its detail).
    signal menuRequested(Item item, real x, real y)

    implicitHeight: frame.height + 8

    Rectangle {
        id: frame
        y: 4
        width: card.width
        height: header.height + detailArea.height
        radius: 14
        color: Theme.faded(Theme.ink, Theme.dark ? (card.isExpanded ? 0.085 : card.isHovering ? 0.07 : 0.045)
                                                 : (card.isExpanded ? 0.055 : card.isHovering ? 0.04 : 0.025))
        border.width: card.hasKeyFocus ? 2 : 1
        border.color: card.hasKeyFocus ? Theme.focusRing
                                       : Theme.faded(Theme.ink, Theme.dark ? (card.isExpanded ? 0.16 : 0.085)
                                                                           : (card.isExpanded ? 0.11 : 0.065))

        HoverHandler {
            id: hover
        }

        Item {
            id: header
            width: parent.width
            height: headerRow.implicitHeight + 22

            TapHandler {
                acceptedButtons: Qt.RightButton
                onTapped: (point) => card.menuRequested(header, point.position.x, point.position.y)
            }

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
                    opacity: card.isFavorite || card.isHovering ? 1.0 : Theme.idleStarOpacity
                    hoverEnabled: true
                    // The list's keyboard and the context menu reach it; Tab stays on the list.
                    focusPolicy: Qt.NoFocus
                    Accessible.name: ToolTip.text
                    Accessible.checkable: true
                    Accessible.checked: card.isFavorite
                    onClicked: if (card.record) card.record.isFavorite = !card.record.isFavorite
                    contentItem: Item {
                        SymbolIcon {
                            anchors.centerIn: parent
                            symbol: card.isFavorite ? "star.fill" : "star"
                            size: 14
                            color: card.isFavorite ? Theme.yellow : Theme.emptyStar
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
                    focusPolicy: Qt.NoFocus
                    Accessible.name: (card.isExpanded ? "Close " : "Open ") + card.name
                    Accessible.description: CardPresentation.accessibleSummary(card.publisher, card.formats,
                                                                               card.totalSize, card.dated)
                    onClicked: card.toggleRequested()

                    contentItem: RowLayout {
                        spacing: 10

                        ColumnLayout {
                            Layout.fillWidth: true
                            Layout.minimumWidth: 90
                            Layout.maximumWidth: 420
                            spacing: 4

                            // Plain bindings: a recycled card's new name must measure again.
                            Item {
                                Layout.fillWidth: true
                                implicitHeight: nameText.implicitHeight

                                Text {
                                    id: nameText
                                    objectName: "nameText"
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
                                text: CardPresentation.subtitleText(card.name, card.publisher,
                                                                    card.record ? card.record.category : "")
                                elide: Text.ElideRight
                                color: Theme.secondary
                                font.pixelSize: 12
                                font.weight: Font.Medium
                            }
                        }

                        Row {
                            id: formatColumn
                            objectName: "formatColumn"
                            // As many of the first four badges as fit beside the "+n" of the rest.
                            readonly property int shownCount: {
                                const total = card.formats.length
                                const made = badgeRepeater.count
                                let used = 0
                                let shown = 0
                                for (let i = 0; i < Math.min(made, total); ++i) {
                                    const badge = badgeRepeater.itemAt(i)
                                    if (!badge)
                                        break
                                    const next = used + (i > 0 ? spacing : 0) + badge.implicitWidth
                                    const rest = total - i - 1
                                    if (next + (rest > 0 ? spacing + overflowChip.widthFor(rest) : 0) > card.formatColumnWidth)
                                        break
                                    used = next
                                    ++shown
                                }
                                return shown
                            }
                            Layout.preferredWidth: card.formatColumnWidth
                            Layout.minimumWidth: card.formatColumnWidth
                            Layout.maximumWidth: card.formatColumnWidth
                            Layout.alignment: Qt.AlignVCenter
                            spacing: 5

                            Repeater {
                                id: badgeRepeater
                                model: CardPresentation.badgeFormats(card.formats)
                                FormatBadge {
                                    required property string modelData
                                    required property int index
                                    anchors.verticalCenter: parent ? parent.verticalCenter : undefined
                                    visible: index < formatColumn.shownCount
                                    format: modelData
                                }
                            }
                            Rectangle {
                                id: overflowChip
                                readonly property int hidden: card.formats.length - formatColumn.shownCount
                                readonly property string overflow: hidden > 0 ? "+" + hidden : ""
                                // One digit at most (seven formats); "+8" is as wide as any.
                                function widthFor(count) {
                                    return Math.ceil(overflowMetrics.advanceWidth) + 12
                                }
                                objectName: "formatOverflow"
                                visible: overflow.length > 0
                                anchors.verticalCenter: parent.verticalCenter
                                width: overflowText.implicitWidth + 12
                                height: overflowText.implicitHeight + 6
                                radius: height / 2
                                color: Theme.quaternaryFill

                                TextMetrics {
                                    id: overflowMetrics
                                    font: overflowText.font
                                    text: "+8"
                                }
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
                            readonly property int columnWidth: card.narrow ? 24 : 80
                            Layout.preferredWidth: columnWidth
                            Layout.minimumWidth: columnWidth
                            Layout.maximumWidth: columnWidth
                            Layout.preferredHeight: rosetta.implicitHeight

                            RuntimeBadge {
                                id: rosetta
                                objectName: "rosettaBadge"
                                visible: CardPresentation.showsRosetta(card.architectures)
                                title: "Rosetta"
                                systemImage: "cpu"
                                symbolOnly: card.narrow
                            }
                            RuntimeBadge {
                                objectName: "windowsBadge"
                                visible: !rosetta.visible && CardPresentation.hasWindowsInstall(card.record)
                                title: "Windows"
                                systemImage: "cpu"
                            }
                        }

                        Column {
                            objectName: "sizeDateColumn"
                            Layout.preferredWidth: 76
                            Layout.minimumWidth: 76
                            Layout.maximumWidth: 76
                            spacing: 2

                            Text {
                                objectName: "sizeText"
                                width: parent.width
                                horizontalAlignment: Text.AlignRight
                                elide: Text.ElideRight
                                text: card.totalSize.length > 0 ? card.totalSize : "\u2014"
                                color: Theme.secondary
                                font.pixelSize: 12
                                font.weight: Font.DemiBold
                            }
                            Text {
                                width: parent.width
                                horizontalAlignment: Text.AlignRight
                                objectName: "dateText"
                                elide: Text.ElideRight
                                text: card.dated.length > 0 ? card.dated : "No date"
                                color: Theme.tertiary
                                font.pixelSize: 12
                                font.weight: Font.Medium
                            }
                        }

                        Item {
                            Layout.preferredWidth: 18
                            Layout.minimumWidth: 18
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
                        onInstallMenuRequested: (path, item, x, y) => card.installMenuRequested(path, item, x, y)
                    }
                }
            }
        }
    }
}
