import QtQuick
import QtTest
import ZuzuzeVizozod
import ZuzuzeVizozod.Testing

// What the library tells about a refresh (progress, what changed, nothing found and where) and
// about a finished export (the file, and a way to it in the file manager).
Item {
    id: stage
    width: 1000
    height: 800

    TestCase {
        name: "RefreshFeedback"
        when: windowShown

        Component {
            id: libraryComponent
            LibraryView {
                width: 880
                height: 640
            }
        }

        function newLibrary(store, root) {
            const view = createTemporaryObject(libraryComponent, stage, { catalogStore: store })
            view.pluginStore = UiFixture.newPluginStore(store, root)
            const sheet = findChild(view, "folderSheet")
            if (sheet.visible) {
                sheet.close()
                tryCompare(sheet, "visible", false)
            }
            return view
        }

        // Every text the status bar showed while the refresh ran, then the one it shows after.
        function refresh(view) {
            const seen = []
            const status = view.refreshStatus
            const record = () => seen.push(findChild(view, "refreshMessage").text)
            status.changed.connect(record)
            view.controller.refresh()
            tryCompare(view.pluginStore, "isScanning", false, 20000)
            status.changed.disconnect(record)
            return seen
        }

        function test_a_refresh_reports_progress_then_what_changed() {
            const root = UiFixture.newFolder(["Drive"])
            const drive = root + "/Drive"
            const store = UiFixture.newStore()
            UiFixture.addBookmark(store, drive)
            const view = newLibrary(store, root)
            const bar = findChild(view, "refreshStatusBar")
            verify(!bar.visible)

            refresh(view)
            const nothing = "No plug-ins were found in the granted folder: " + drive + "."
            const empty = findChild(view, "noPluginsState")
            compare([findChild(view, "refreshMessage").text, empty.visible, empty.message], [nothing, true, nothing])
            verify(findChild(view, "lastScan").text.startsWith("Last scan: "))

            verify(UiFixture.addBundle(drive + "/Reverb.vst3"))
            verify(UiFixture.addBundle(drive + "/Synth.clap"))
            const seen = refresh(view)
            verify(seen.some((text) => /^Refreshing: \d+ folders walked, 2 bundles found/.test(text)),
                   JSON.stringify(seen))
            compare([findChild(view, "refreshMessage").text, findChild(view, "unreadableMessage").visible],
                    ["2 new plug-ins, 2 new installs", false])
            tryVerify(() => !empty.visible)
        }

        // Link loops stand for every folder that cannot be listed: permissions do not bind root.
        function test_folders_that_could_not_be_read_are_counted_then_listed() {
            const root = UiFixture.newFolder(["Drive"])
            const store = UiFixture.newStore()
            verify(UiFixture.addBundle(root + "/Drive/Reverb.vst3"))
            for (const name of ["Drive", "Loop A", "Loop B"]) {
                if (name !== "Drive")
                    verify(UiFixture.addLinkLoop(root + "/" + name))
                UiFixture.addBookmark(store, root + "/" + name)
            }
            const view = newLibrary(store, root)
            refresh(view)
            const unreadable = findChild(view, "unreadableMessage")
            compare([findChild(view, "refreshMessage").text, unreadable.visible, unreadable.text],
                    ["1 new plug-in, 1 new install", true, "Could not read 2 folders"])
            const toggle = findChild(view, "unreadableToggle")
            compare(toggle.Accessible.name, "Show Folders")
            const list = findChild(view, "unreadableFolders")
            compare(list.count, 0)

            waitForRendering(toggle)
            mouseClick(toggle)
            compare([toggle.text, list.count], ["Hide Folders", 2])
            const reason = " \u2014 Too many levels of symbolic links"
            compare([list.itemAtIndex(0).text, list.itemAtIndex(1).text],
                    [root + "/Loop A" + reason, root + "/Loop B" + reason])
        }

        function test_no_grant_at_all_says_what_to_do() {
            const view = newLibrary(UiFixture.newStore(), UiFixture.newFolder())
            refresh(view)
            compare(findChild(view, "refreshMessage").text,
                    "No plug-in folder is granted yet. Open Folders to grant the standard locations or add a folder.")
        }

        function test_a_written_export_offers_its_folder() {
            const store = UiFixture.newStore()
            UiFixture.addRecord(store, "Reverb", "Example", ["VST3"])
            const view = newLibrary(store, UiFixture.newFolder())
            const target = UiFixture.newFolder() + "/My \u201cList\u201d.csv"
            const message = view.exportMessage
            verify(!message.visible)

            view.controller.exportFlow.begin("csv")
            verify(view.controller.exportFlow.finish("file://" + encodeURI(target)))
            verify(message.visible)
            compare(findChild(message, "exportMessageText").text, "Exported \u201cMy \u201cList\u201d.csv\u201d")
            UiFixture.recordReveals()
            const before = UiFixture.revealedPaths().length
            waitForRendering(message)
            mouseClick(findChild(message, "showInFolderButton"))
            compare(UiFixture.revealedPaths().slice(before), [target])

            // Without a desktop chooser the export asks in the window, listing the format's files
            // only: a click on the file written takes its name, and Save asks before it replaces it.
            view.controller.exportFlow.begin("text")
            verify(view.controller.exportFlow.finish("file://" + encodeURI(target + ".txt")))
            message.visible = false
            view.startExport("csv")
            const chooser = findChild(view, "saveChooser")
            tryCompare(chooser, "opened", true)
            compare(chooser.acceptLabel, "Save")
            verify(findChild(chooser.contentItem, "chooserFileName").activeFocus)
            chooser.openFolder(target.substring(0, target.lastIndexOf("/")))
            const list = findChild(chooser.contentItem, "chooserList")
            tryCompare(list, "count", 1)
            waitForRendering(chooser.contentItem)
            mouseClick(list.itemAtIndex(0))
            compare(chooser.chosenPath, target)
            const accept = findChild(chooser.contentItem, "chooserAccept")
            tryVerify(() => chooser.fileExists)
            mouseClick(accept)
            compare([chooser.visible, accept.text, message.visible], [true, "Replace", false])
            mouseClick(accept)
            tryCompare(chooser, "visible", false)
            verify(message.visible)
        }
    }
}
