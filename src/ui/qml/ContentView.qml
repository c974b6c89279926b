import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import ZuzuzeVizozod

// One main window: the sidebar with its two tabs and the selected tab's view. Each window has its
// own refresh driver and answers "Refresh Library" from any window.
ThemedWindow {
    id: window

    property string selectedTab: "Library"
    property PluginStore pluginStore: null
    property bool dashboardShown: false
    readonly property alias libraryView: libraryView
    readonly property Item currentView: selectedTab === "Library" ? libraryView : dashboardLoader.item

    width: 880
    height: 640
    minimumWidth: 700
    minimumHeight: 600
    visible: true
    title: currentView && currentView.windowTitle !== undefined ? currentView.windowTitle : ""
    color: Theme.backgroundStops[1]

    Component.onCompleted: pluginStore = ZuzuzeVizozodApp.createPluginStore(window)
    onSelectedTabChanged: if (selectedTab === "Dashboard") dashboardShown = true

    Connections {
        target: ZuzuzeVizozodApp
        function onRefreshLibraryRequested() {
            if (window.pluginStore)
                window.pluginStore.refresh()
        }
    }

    menuBar: MenuBar {
        Menu {
            title: "&File"
            Action {
                text: "&New Window"
                shortcut: StandardKey.New
                onTriggered: ZuzuzeVizozodApp.newWindow()
            }
            Action {
                text: "&Refresh Library"
                shortcut: "Ctrl+R"
                onTriggered: ZuzuzeVizozodApp.refreshLibrary()
            }
            MenuSeparator {}
            Action {
                text: "&Close Window"
                shortcut: StandardKey.Close
                onTriggered: window.close()
            }
            Action {
                text: "&Quit"
                shortcut: StandardKey.Quit
                onTriggered: Qt.quit()
            }
        }
        Menu {
            title: "&Edit"
            Action {
                text: "&Preferences\u2026"
                shortcut: "Ctrl+,"
                onTriggered: ZuzuzeVizozodApp.showSettings()
            }
        }
    }

    background: WindowBackground {}

    RowLayout {
        anchors.fill: parent
        spacing: 0

        NavigationSidebarView {
            id: sidebar
            Layout.fillHeight: true
            Layout.minimumWidth: 160
            Layout.preferredWidth: 170
            Layout.maximumWidth: 190
            selectedTab: window.selectedTab
            onTabSelected: (tab) => window.selectedTab = tab
        }

        Rectangle {
            Layout.fillHeight: true
            Layout.preferredWidth: 1
            color: Theme.faded(Theme.ink, 0.08)
        }

        StackLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            currentIndex: window.selectedTab === "Library" ? 0 : 1

            LibraryView {
                id: libraryView
                catalogStore: ZuzuzeVizozodApp.container
                pluginStore: window.pluginStore
            }

            // The dashboard is built the first time its tab is chosen.
            Loader {
                id: dashboardLoader
                active: window.dashboardShown
                sourceComponent: DashboardView {
                    catalogStore: ZuzuzeVizozodApp.container
                    pluginStore: window.pluginStore
                }
            }
        }
    }
}
