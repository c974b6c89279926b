import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import ZuzuzeVizozod

// The dashboard tab: six stat cards, a word on how sizes are counted, and the disk-usage charts
// that have something to show. The window shows its windowTitle.
Item {
    id: dashboard

    property CatalogStore catalogStore
    property PluginStore pluginStore
    readonly property string windowTitle: dashboardController.title
    readonly property alias controller: dashboardController

    DashboardController {
        id: dashboardController
        store: dashboard.catalogStore
        pluginStore: dashboard.pluginStore
    }

    ScrollView {
        id: scroller
        anchors.fill: parent
        contentWidth: availableWidth
        ScrollBar.vertical.policy: contentHeight > height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff

        ColumnLayout {
            id: column
            x: 20
            width: scroller.availableWidth - 40
            spacing: 20

            Item {
                Layout.preferredHeight: 0
            }

            Grid {
                id: cards
                objectName: "statCards"
                Layout.preferredWidth: column.width
                columns: Math.max(1, Math.floor((width + columnSpacing) / (160 + columnSpacing)))
                columnSpacing: 12
                rowSpacing: 12

                Repeater {
                    model: dashboardController.statCards
                    StatCardView {
                        required property var modelData
                        objectName: "stat_" + modelData.title
                        width: (cards.width - (cards.columns - 1) * cards.columnSpacing) / cards.columns
                        title: modelData.title
                        value: modelData.value
                        icon: modelData.symbol
                        tint: Theme.tint(modelData.tint)
                    }
                }
            }

            Text {
                Layout.fillWidth: true
                wrapMode: Text.WordWrap
                text: "Plugin bundle size and content library size are tracked separately so plugin installs "
                      + "and sample/content folders do not get double-counted."
                color: Theme.secondary
                font.pixelSize: Theme.caption
            }

            Rectangle {
                Layout.fillWidth: true
                Layout.preferredHeight: 1
                color: Theme.faded(Theme.ink, 0.1)
            }

            Repeater {
                model: dashboardController.charts
                DiskUsageChartView {
                    required property var modelData
                    required property int index
                    objectName: "chart_" + index
                    Layout.fillWidth: true
                    title: modelData.title
                    items: modelData.items
                }
            }

            Item {
                Layout.preferredHeight: 0
            }
        }
    }
}
