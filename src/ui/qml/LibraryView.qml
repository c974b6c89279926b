import QtQuick
import QtQuick.Controls
import QtQuick.Dialogs
import QtQuick.Layouts
import ZuzuzeVizozod

// The library tab: toolbar, chips, and the sectioned list of plug-in cards, with the filter and
// folder sheets and the export dialogs.
Item {
    id: library

    property CatalogStore catalogStore
    property PluginStore pluginStore
    property bool showFilters: false
    property bool showScanPermission: false
    // Kept in the preferences with the sort order.
    property bool compactView: String(ZuzuzeVizozodApp.preference("libraryCompactView", false)) === "true"
    readonly property string windowTitle: "Zuzuze Vizozod " + libraryController.pluginCountText
    readonly property alias controller: libraryController
    readonly property alias searchField: toolbar.searchField
    readonly property alias list: list
    readonly property alias exportMessage: exportMessage
    readonly property alias refreshStatus: refreshStatus

    function startExport(format) {
        const fileName = libraryController.exportFlow.begin(format)
        if (fileName.length === 0)
            return
        const filters = libraryController.exportFlow.nameFilters(format)
        const suggested = libraryController.exportFlow.suggestedFileUrl(fileName)
        // The desktop's own save dialog where it has one, else the in-window chooser.
        if (NativeDialogs.available) {
            saveDialog.nameFilters = filters
            saveDialog.selectedFile = suggested
            saveDialog.open()
        } else {
            saveChooser.nameFilters = filters
            saveChooser.openToSave(suggested)
        }
    }

    LibraryController {
        id: libraryController
        store: library.catalogStore
        pluginStore: library.pluginStore
    }

    RefreshStatus {
        id: refreshStatus
        pluginStore: library.pluginStore
    }

    Connections {
        target: libraryController.exportFlow
        function onFailed(message) { exportMessage.show(message) }
        function onWritten(path) { exportMessage.showWritten(path) }
    }

    // The sort order of the last session; every change is kept for the next.
    Component.onCompleted: {
        const filter = libraryController.filterState
        filter.sortKey = String(ZuzuzeVizozodApp.preference("librarySortKey", "Name"))
        filter.sortAscending = String(ZuzuzeVizozodApp.preference("librarySortAscending", true)) === "true"
        // A first run, with no folder granted, starts in the folder sheet.
        if (!libraryController.hasScanBookmarks)
            showScanPermission = true
    }
    onCompactViewChanged: ZuzuzeVizozodApp.setPreference("libraryCompactView", compactView)

    Connections {
        target: libraryController.filterState
        function onSortKeyChanged() { ZuzuzeVizozodApp.setPreference("librarySortKey", libraryController.filterState.sortKey) }
        function onSortAscendingChanged() {
            ZuzuzeVizozodApp.setPreference("librarySortAscending", libraryController.filterState.sortAscending)
        }
        // Other sections, other rows: the old scroll position means nothing in the new list.
        // (Told before the rebuild, so the move waits for the new rows.)
        function onGroupingModeChanged() {
            list.currentIndex = -1
            Qt.callLater(list.positionViewAtBeginning)
        }
    }

    Shortcut {
        sequences: [StandardKey.Find]
        onActivated: {
            toolbar.searchField.forceActiveFocus()
            toolbar.searchField.selectAll()
        }
    }

    onShowFiltersChanged: if (showFilters) filterPanel.open()
    onShowScanPermissionChanged: if (showScanPermission) folderSheet.open()

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        LibraryToolbar {
            id: toolbar
            Layout.fillWidth: true
            controller: libraryController
            compactView: library.compactView
            onExportRequested: (format) => library.startExport(format)
            onFoldersRequested: library.showScanPermission = true
            onCompactViewToggled: library.compactView = !library.compactView
        }

        LibraryTopBar {
            Layout.fillWidth: true
            controller: libraryController
            onFiltersRequested: library.showFilters = true
        }

        RefreshStatusBar {
            objectName: "refreshStatusBar"
            Layout.fillWidth: true
            status: refreshStatus
        }

        Item {
            Layout.fillWidth: true
            Layout.fillHeight: true

            EmptyStateView {
                objectName: "noPluginsState"
                anchors.fill: parent
                visible: libraryController.contentState === "noPlugins"
                icon: "square.grid.2x2"
                title: "No Plugins Found"
                message: refreshStatus.nothingFoundText.length > 0 ? refreshStatus.nothingFoundText
                         : "Grant access to your plugin folders, then tap Refresh."
            }

            EmptyStateView {
                objectName: "noMatchesState"
                anchors.fill: parent
                visible: libraryController.contentState === "noMatches"
                icon: "line.3.horizontal.decrease.circle"
                title: "No Matching Plugins"
                message: "Try clearing the current search or filters."
            }

            CompactListHeader {
                id: columnHeader
                objectName: "compactListHeader"
                anchors.left: parent.left
                anchors.right: parent.right
                visible: library.compactView && list.visible
                height: visible ? implicitHeight : 0
                filterState: libraryController.filterState
                list: list
            }

            LibraryList {
                id: list
                anchors.fill: parent
                anchors.topMargin: columnHeader.height
                visible: libraryController.contentState === "list"
                controller: libraryController
                compact: library.compactView
            }

            ExportMessage {
                id: exportMessage
                anchors.horizontalCenter: parent.horizontalCenter
                anchors.bottom: parent.bottom
                anchors.bottomMargin: 16
            }
        }
    }

    FileDialog {
        id: saveDialog
        objectName: "saveDialog"
        title: "Export"
        fileMode: FileDialog.SaveFile
        acceptLabel: "Save"
        onAccepted: libraryController.exportFlow.finish(selectedFile)
        onRejected: libraryController.exportFlow.cancel()
    }

    FolderChooser {
        id: saveChooser
        objectName: "saveChooser"
        title: "Export"
        acceptLabel: "Save"
        saving: true
        onAccepted: (path) => libraryController.exportFlow.finish(urlOf(path))
        onRejected: libraryController.exportFlow.cancel()
    }

    FilterPanel {
        id: filterPanel
        objectName: "filterPanel"
        filterState: libraryController.filterState
        tags: libraryController.tags
        onClosed: library.showFilters = false
    }

    FolderAccessSheet {
        id: folderSheet
        objectName: "folderSheet"
        catalogStore: library.catalogStore
        pluginStore: library.pluginStore
        onComplete: libraryController.refresh()
        onClosed: library.showScanPermission = false
    }
}
