import QtQuick
import ZuzuzeVizozod

// Stand-in for the dashboard tab until its view is written. The window gives it the catalogue
// and its refresh driver, and shows its windowTitle.
Item {
    id: dashboard

    property CatalogStore catalogStore
    property PluginStore pluginStore
    readonly property string windowTitle: "Dashboard"

    EmptyStateView {
        anchors.fill: parent
        icon: "chart.bar"
        title: "Dashboard"
        message: "Counts and disk usage of the catalogue will appear here."
    }
}
