import QtQuick
import QtQuick.Controls
import ZuzuzeVizozod

// The sections and their cards in one recycled list; the window's background shows through.
ListView {
    id: list

    required property LibraryController controller

    model: controller.listModel
    reuseItems: true
    cacheBuffer: 800
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    bottomMargin: 16
    ScrollBar.vertical: ScrollBar {}

    delegate: Item {
        id: row

        required property int index
        required property bool isHeader
        required property string title
        required property int count
        required property string groupId
        required property string name
        required property string publisher
        required property var formats
        required property var architectures
        required property string totalSize
        required property string dated
        required property PluginRecord record
        required property bool possiblyOutdated
        required property bool expanded

        width: ListView.view ? ListView.view.width : 0
        height: content.item ? content.item.implicitHeight : 0
        // A delegate waiting in the reuse pool keeps its place but must take no clicks.
        visible: index >= 0

        Loader {
            id: content
            width: parent.width
            sourceComponent: row.isHeader ? headerComponent : cardComponent
        }

        Component {
            id: headerComponent
            LibrarySectionHeader {
                title: row.title
                count: row.count
            }
        }

        Component {
            id: cardComponent
            Item {
                implicitHeight: card.implicitHeight

                PluginCardView {
                    id: card
                    x: 16
                    width: parent.width - 32
                    groupId: row.groupId
                    name: row.name
                    publisher: row.publisher
                    formats: row.formats
                    architectures: row.architectures
                    totalSize: row.totalSize
                    dated: row.dated
                    record: row.record
                    possiblyOutdated: row.possiblyOutdated
                    isExpanded: row.expanded
                    onToggleRequested: list.controller.listModel.setExpanded(row.index, !row.expanded)
                }
            }
        }
    }
}
